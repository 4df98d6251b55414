// With 退出保存 the sheet is written while the program runs, a few seconds
// after the last change, so that a crash or a killed process loses at most
// those seconds.
#include "app/frame/running_backup.h"

#include "app/document/document_window.h"
#include "app/frame/main_window_state.h"
#include "settings/writers.h"
#include "sheet/document/write_reports.h"

namespace tl::app {

namespace {

// The sheet's revision, moved on by every change of its file name or changed
// mark as well: the backup holds those too, and a save or "另存为" changes
// them without changing the text (a crash after it would otherwise bring the
// sheet back changed, or under its old name).
std::uint64_t BackupRevision(MainWindow& state) {
  NoteDocument(state);
  std::pair<std::string, bool> document{state.settings.文件名称, state.settings.内容已改};
  if (document != state.backupDocument) {
    state.backupDocument = std::move(document);
    ++state.backupDocumentChanges;
  }
  return state.session->Edit().Revision() + state.backupDocumentChanges;
}

}  // namespace

void StartRunningBackup(MainWindow& state) {
  state.backup = sheet::BackupSchedule(state.settings.退出保存 ? BackupRevision(state)
                                                               : state.session->Edit().Revision());
  SetTimer(state.window, kBackupTimerId, sheet::BackupSchedule::kTickMs, nullptr);
}

void OnBackupTimer(MainWindow& state) {
  if (!state.settings.退出保存 || !state.session) return;
  const std::uint64_t now = GetTickCount64();
  const std::uint64_t revision = BackupRevision(state);
  if (!state.backup.Due(now, revision, state.session->Edit().InBatch())) return;
  const settings::SaveResult saved = settings::SaveRunningBackup(
      state.settings, state.files, static_cast<int>(state.session->Edit().Caret()),
      state.session->Edit().Text());
  if (!state.backup.Attempted(now, revision, saved.ok())) return;
  if (sheet::ReportWrite(state.session->Host(), saved.contentBackup,
                         sheet::FileTask::SaveContentBackup))
    sheet::ReportWrite(state.session->Host(), saved.configuration);
}

}  // namespace tl::app
