#include "files/file_io.h"

#include <gtest/gtest.h>

#include <fstream>

#include "files/replace_steps.h"
#include "files/temp_folder.h"

namespace tl::files {
namespace {

namespace fs = std::filesystem;

void Put(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

TEST(FileIo, ReadsAndReplacesWholeFiles) {
  testing::TempFolder folder;
  const fs::path file = folder.path() / fs::path(u8"配置.ini");

  FileContent missing = ReadWholeFile(file);
  EXPECT_FALSE(missing.exists);
  EXPECT_TRUE(missing.error.empty());

  const std::string bytes("line\r\n\0binary\xff\r\n", 16);
  ASSERT_TRUE(WriteWholeFile(file, bytes).ok());
  FileContent read = ReadWholeFile(file);
  EXPECT_TRUE(read.exists);
  EXPECT_EQ(read.bytes, bytes);

  ASSERT_TRUE(WriteWholeFile(file, "short").ok());
  EXPECT_EQ(ReadWholeFile(file).bytes, "short");
  // Only the file itself is left: no temporary file beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);

  EXPECT_TRUE(RemoveFile(file).ok());
  EXPECT_FALSE(FileExists(file));
  EXPECT_TRUE(RemoveFile(file).ok());  // already gone: no error
}

TEST(FileIo, AFailedWriteKeepsTheOldFile) {
  testing::TempFolder folder;
  const fs::path file = folder.path() / "settings.ini";
  Put(file, "old content\r\n");

  // The temporary file cannot be created where a folder stands.
  fs::create_directory(TemporaryPathFor(file));
  const IoResult blocked = WriteWholeFile(file, "new content\r\n");
  EXPECT_FALSE(blocked.ok());
  EXPECT_EQ(ReadWholeFile(file).bytes, "old content\r\n");

  // A missing folder fails too, and creates nothing.
  const fs::path elsewhere = folder.path() / "missing" / "settings.ini";
  EXPECT_EQ(WriteWholeFile(elsewhere, "x").cause, FailureCause::FolderMissing);
  EXPECT_FALSE(FileExists(elsewhere.parent_path()));
  EXPECT_TRUE(CreateFolder(elsewhere.parent_path()).ok());
  EXPECT_TRUE(WriteWholeFile(elsewhere, "x").ok());
}

TEST(FileIo, AReplacementWrittenInPiecesChangesNothingUntilCommitted) {
  testing::TempFolder folder;
  const fs::path file = folder.path() / "sheet.txt";
  Put(file, "old");
  {
    FileReplacement dropped(file);
    EXPECT_TRUE(dropped.Write("new ").ok());
    EXPECT_EQ(ReadWholeFile(file).bytes, "old");
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
  FileReplacement replacement(file);
  replacement.Write("new ");
  replacement.Write("content");
  EXPECT_TRUE(replacement.Commit().ok());
  EXPECT_EQ(ReadWholeFile(file).bytes, "new content");
}

TEST(FileIo, AFolderIsNotReadAsAFile) {
  testing::TempFolder folder;
  const FileContent content = ReadWholeFile(folder.path());
  EXPECT_TRUE(content.exists);
  EXPECT_FALSE(content.error.empty());
}

}  // namespace
}  // namespace tl::files
