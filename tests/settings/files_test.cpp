#include "settings/files.h"

#include <gtest/gtest.h>

namespace tl::settings {
namespace {

namespace fs = std::filesystem;

TEST(FilesUnder, NamesTheRunFolderFilesOnThisPlatform) {
  const fs::path program = fs::path(u8"程序") / u8"目录";
  const SettingsFiles files = FilesUnder(program);
  EXPECT_EQ(files.runFolder, program / fs::path(u8"Tallyline运行文件"));
  const struct {
    const fs::path& path;
    const char8_t* name;
  } cases[] = {
      {files.configuration, u8"Tallyline配置文件.ini"},
      {files.contentBackup, u8"Tallyline备份文件.txt"},
      {files.backupSettings, u8"Tallyline备份文件.ini"},
      {files.instanceLock, u8"fzdk"},
  };
  for (const auto& c : cases) {
    // (GoogleTest here cannot print a u8string, so compare to a bool.)
    EXPECT_TRUE(c.path.filename().u8string() == c.name) << c.path;
    EXPECT_EQ(c.path.parent_path(), files.runFolder);
  }
}

TEST(ProgramDirectory, IsTheFolderHoldingThisTest) {
  const fs::path folder = ProgramDirectory();
  ASSERT_FALSE(folder.empty());
  EXPECT_TRUE(fs::exists(folder / "settings_tests") || fs::exists(folder / "settings_tests.exe"))
      << folder;
}

}  // namespace
}  // namespace tl::settings
