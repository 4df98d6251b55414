#include "sheet/document/exit_save.h"

#include <string>

#include "sheet/document/write_reports.h"

namespace tl::sheet {

namespace {

void AddFailure(std::string& text, const files::IoResult& result, std::string_view name,
                const std::filesystem::path& path) {
  if (result.ok()) return;
  text += std::string(name) + "\r\n" + ShownPath(path) + "\r\n原因：" + msg::FailureReason(result) +
          "。\r\n\r\n";
}

}  // namespace

MessageBoxRequest ExitSaveQuestion(const settings::SaveResult& result,
                                   const settings::SettingsFiles& files) {
  MessageBoxRequest question;
  question.title = "保存失败";
  question.text = "退出前未能保存：\r\n\r\n";
  AddFailure(question.text, result.contentBackup, "工作表内容", files.contentBackup);
  AddFailure(question.text, result.configuration, "设置", files.configuration);
  question.text += "可以再试一次，继续退出而不保存，或取消退出回到工作表。";
  question.buttons = MessageBoxButtons::CancelTryContinue;
  question.icon = MessageBoxIcon::Warning;
  question.defaultAnswer = MessageBoxAnswer::TryAgain;
  return question;
}

ExitSave SaveAtExitAsking(Host& host, EditBox& box, const settings::Settings& settings,
                          const settings::SettingsFiles& files,
                          const settings::Geometry& normalGeometry) {
  for (;;) {
    const settings::SaveResult result = settings::SaveAtExit(
        settings, files, normalGeometry, static_cast<int>(box.Caret()), box.Text());
    if (result.ok()) return ExitSave::Saved;
    switch (host.ShowMessageBox(ExitSaveQuestion(result, files))) {
      case MessageBoxAnswer::TryAgain:
        continue;
      case MessageBoxAnswer::Continue:
        return ExitSave::ExitAnyway;
      default:
        return ExitSave::BackToSheet;
    }
  }
}

}  // namespace tl::sheet
