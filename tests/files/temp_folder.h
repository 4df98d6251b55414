#pragma once
// A fresh folder under the system's temporary folder, removed with its
// content when the test ends.
#include <filesystem>
#include <string>
#include <system_error>

#include "files/replace_steps.h"

namespace tl::files::testing {

class TempFolder {
 public:
  TempFolder() {
    static int counter = 0;
    const auto base = std::filesystem::temp_directory_path() / "tallyline-test";
    // The process id in the name keeps parallel test runs apart.
    path_ = TemporaryPathFor(base / ("folder" + std::to_string(counter++)));
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
    std::filesystem::create_directories(path_, ignored);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace tl::files::testing
