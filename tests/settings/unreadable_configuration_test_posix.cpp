// A configuration file that exists but cannot be read, as a user other than
// root meets one: a named pipe stands in for it, whoever runs the test.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "files/temp_folder.h"
#include "settings/writers.h"

namespace tl::settings {
namespace {

TEST(Writers, NeverRebuildAConfigurationThatCannotBeRead) {
  files::testing::TempFolder folder;
  const SettingsFiles files = FilesUnder(folder.path());
  ASSERT_TRUE(files::CreateFolder(files.runFolder).ok());
  ASSERT_EQ(mkfifo(files.configuration.c_str(), 0600), 0);
  Settings settings;
  EXPECT_FALSE(SaveAtExit(settings, files, {}, 0, "").ok());
  EXPECT_TRUE(std::filesystem::is_fifo(files.configuration));
}

}  // namespace
}  // namespace tl::settings
