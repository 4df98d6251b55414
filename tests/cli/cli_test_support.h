#pragma once
// Running a subcommand in-process with its streams captured, and scratch
// folders for the file tests.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "cli/commands.h"

namespace tl::cli::testing {

// Test data in UTF-8 whatever the compiler does with ordinary literals.
inline std::string Utf8(const char8_t* s) {
  return reinterpret_cast<const char*>(s);
}

struct Invocation {
  int status = 0;
  std::string out;
  std::string err;
};

using Subcommand = int (*)(const std::vector<std::string_view>&, Console&);

inline Invocation Invoke(Subcommand subcommand, const std::vector<std::string>& args,
                         const std::string& input = {}) {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  Console console{in, out, err, false};
  const std::vector<std::string_view> views(args.begin(), args.end());
  Invocation result;
  result.status = subcommand(views, console);
  result.out = out.str();
  result.err = err.str();
  return result;
}

// A replay script read from standard input and what it prints.
struct ReplayScenario {
  const char* name;
  const char8_t* script;
  const char8_t* output;
};

inline void ExpectReplayPrints(const ReplayScenario& s) {
  const Invocation run = Invoke(ReplayCommand, {"-"}, Utf8(s.script));
  EXPECT_EQ(run.status, kExitSuccess) << s.name << ": " << run.err;
  EXPECT_EQ(run.out, Utf8(s.output)) << s.name;
}

// A replay script from standard input that stops with `message`, which
// starts with the line it names.
inline void ExpectReplayStops(const std::string& script, const std::string& message) {
  const Invocation run = Invoke(ReplayCommand, {"-"}, script);
  EXPECT_EQ(run.status, kExitError) << script;
  EXPECT_EQ(run.err, "tallyline-cli: replay: standard input " + message + "\n") << script;
}

// A fresh folder under the system's temporary folder, removed afterwards.
class ScratchFolder {
 public:
  ScratchFolder() {
    path_ = std::filesystem::temp_directory_path() /
            (std::string("tallyline-cli-test-") +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace tl::cli::testing
