// With 退出保存 the sheet is written while the program runs, a few seconds
// after the last change, so that a crash or a killed process loses at most
// those seconds.
#include "app/frame/running_backup.h"

#include "app/frame/main_window_state.h"
#include "settings/writers.h"
#include "sheet/document/write_reports.h"

namespace tl::app {

void OnBackupTimer(MainWindow& state) {
  if (!state.settings.退出保存 || !state.session) return;
  const std::uint64_t now = GetTickCount64();
  const std::uint64_t revision = state.session->Edit().Revision();
  if (!state.backup.Due(now, revision, state.session->Edit().InBatch())) return;
  NoteDocument(state);
  const settings::SaveResult saved = settings::SaveRunningBackup(
      state.settings, state.files, static_cast<int>(state.session->Edit().Caret()),
      state.session->Edit().Text());
  if (!state.backup.Attempted(now, revision, saved.ok())) return;
  if (sheet::ReportWrite(state.session->Host(), saved.contentBackup,
                         sheet::FileTask::SaveContentBackup))
    sheet::ReportWrite(state.session->Host(), saved.configuration);
}

}  // namespace tl::app
