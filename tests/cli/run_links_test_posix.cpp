// `run` writing through symbolic links, which POSIX systems let anyone make.
#include <gtest/gtest.h>

#include <set>

#include "cli/cli_test_support.h"
#include "cli/commands.h"

namespace tl::cli {
namespace {

namespace fs = std::filesystem;

using testing::Invoke;
using testing::ReadFile;
using testing::ScratchFolder;
using testing::WriteFile;

// Every path under `folder`, relative to it.
std::set<std::string> Listing(const fs::path& folder) {
  std::set<std::string> paths;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    paths.insert(entry.path().lexically_relative(folder).string());
  }
  return paths;
}

TEST(RunCommand, WritesThroughSymbolicLinks) {
  const ScratchFolder folder;
  const fs::path real = folder / "real";
  fs::create_directory(real);
  WriteFile(real / "sheet.txt", "1+1\n");
  WriteFile(real / "out.txt", "old\n");
  const fs::perms kPrivate = fs::perms::owner_read | fs::perms::owner_write;
  fs::permissions(real / "sheet.txt", kPrivate);
  fs::create_symlink("real/sheet.txt", folder / "sheet.txt");
  fs::create_symlink("real/out.txt", folder / "out.txt");
  fs::create_symlink("real/none.txt", folder / "dangling.txt");
  const std::set<std::string> before = Listing(folder.path());
  const std::string sheet = (folder / "sheet.txt").string();
  const std::string out = (folder / "out.txt").string();
  const std::string dangling = (folder / "dangling.txt").string();

  struct Case {
    std::vector<std::string> args;
    fs::path written;  // the file the results go to; empty: none
    std::string err;
  };
  const Case cases[] = {
      {{"--in-place", sheet}, real / "sheet.txt", ""},
      {{"-", "-o", out}, real / "out.txt", ""},
      {{"--in-place", dangling},
       {},
       "tallyline-cli: run: '" + dangling + "': the symbolic link leads to no file\n"},
      {{"-", "-o", dangling},
       {},
       "tallyline-cli: run: cannot write '" + dangling + "': the symbolic link leads to no file\n"},
  };
  for (const Case& c : cases) {
    const testing::Invocation run = Invoke(RunCommand, c.args, "1+1\n");
    EXPECT_EQ(run.status, c.written.empty() ? kExitError : kExitSuccess) << c.args.back();
    EXPECT_EQ(run.err, c.err) << c.args.back();
    EXPECT_EQ(run.out, "") << c.args.back();
    if (!c.written.empty()) {
      EXPECT_EQ(ReadFile(c.written), "1+1=2\n") << c.args.back();
    }
  }
  // The links still lead where they did, the file replaced kept its
  // permissions, and nothing else was written.
  EXPECT_EQ(fs::read_symlink(sheet), "real/sheet.txt");
  EXPECT_EQ(fs::read_symlink(out), "real/out.txt");
  EXPECT_EQ(fs::status(real / "sheet.txt").permissions(), kPrivate);
  EXPECT_EQ(Listing(folder.path()), before);
}

}  // namespace
}  // namespace tl::cli
