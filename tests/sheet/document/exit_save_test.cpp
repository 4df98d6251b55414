#include "sheet/document/exit_save.h"

#include <gtest/gtest.h>

#include "files/temp_folder.h"
#include "settings/load.h"
#include "settings/profile.h"
#include "sheet/document/write_reports.h"
#include "sheet/seams/headless_host.h"
#include "sheet/seams/memory_edit_box.h"

namespace tl::sheet {
namespace {

namespace fs = std::filesystem;

// A program folder whose content backup cannot be replaced: a folder stands
// in its place.
struct BlockedBackup {
  files::testing::TempFolder folder;
  settings::SettingsFiles files = settings::FilesUnder(folder.path());
  settings::Settings settings;
  MemoryEditBox box;
  HeadlessHost host;

  BlockedBackup() {
    fs::create_directories(files.contentBackup);
    settings.退出保存 = true;
    box.SetText("1+1=2\r\n");
  }
  ExitSave Save() { return SaveAtExitAsking(host, box, settings, files, {0, 0, 800, 400}); }
  std::string Configured(std::string_view key) {
    return settings::ReadProfileValue(files::ReadWholeFile(files.configuration).bytes, "运行设置",
                                      key)
        .value_or("");
  }
};

struct AnswerRow {
  std::vector<MessageBoxAnswer> answers;
  ExitSave outcome;
  std::size_t questions;
};

TEST(SaveAtExitAsking, AFailedFileIsNamedAndTheUserChoosesTheWayOn) {
  const AnswerRow rows[] = {
      {{MessageBoxAnswer::Cancel}, ExitSave::BackToSheet, 1},
      {{MessageBoxAnswer::Continue}, ExitSave::ExitAnyway, 1},
      {{MessageBoxAnswer::TryAgain, MessageBoxAnswer::TryAgain, MessageBoxAnswer::Cancel},
       ExitSave::BackToSheet,
       3},
  };
  for (const AnswerRow& row : rows) {
    BlockedBackup app;
    for (MessageBoxAnswer answer : row.answers) app.host.QueueAnswer(answer);
    EXPECT_EQ(app.Save(), row.outcome);
    ASSERT_EQ(app.host.MessageBoxes().size(), row.questions);
    const MessageBoxRequest& question = app.host.MessageBoxes().back();
    EXPECT_EQ(question.buttons, MessageBoxButtons::CancelTryContinue);
    EXPECT_NE(
        question.text.find("工作表内容\r\n" + ShownPath(app.files.contentBackup) + "\r\n原因："),
        std::string::npos)
        << question.text;
    EXPECT_EQ(question.text.find("设置\r\n"), std::string::npos);  // the configuration was written
    // However often it was tried, the run is counted once.
    EXPECT_EQ(app.Configured("运行次数"), "2");
    EXPECT_TRUE(fs::is_directory(app.files.contentBackup));
  }
}

TEST(ReportWrite, ShowsAFailureInTheStatusBarOnly) {
  HeadlessHost host;
  host.SetStatusText("before");
  EXPECT_TRUE(ReportWrite(host, {}));
  EXPECT_EQ(host.StatusText(), "before");
  EXPECT_FALSE(
      ReportWrite(host, {"no space", files::FailureCause::DiskFull}, FileTask::SaveContentBackup));
  EXPECT_EQ(host.StatusText(), "   [文件错误]_内容备份保存失败：磁盘空间不足！");
}

}  // namespace
}  // namespace tl::sheet
