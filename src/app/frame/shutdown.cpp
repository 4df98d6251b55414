// The close request with its three behaviours, and the save at exit.
#include "app/frame/shutdown.h"

#include "app/frame/edge_hiding.h"
#include "app/frame/hot_key.h"
#include "app/frame/main_window_state.h"
#include "app/frame/tray_icon.h"
#include "app/kit/win_text.h"
#include "app/windows/exit_dialog.h"
#include "app/windows/virtual_keyboard_window.h"
#include "settings/writers.h"
#include "sheet/document/exit_save.h"
#include "sheet/document/write_reports.h"

namespace tl::app {

namespace {

// The exit window; a choice it remembers (退出设置) is kept at once.
bool AskToExit(MainWindow& state) {
  const bool exit = ConfirmExit(state.window, state.settings);
  if (state.settings.退出设置 != 0)
    sheet::ReportWrite(state.session->Host(),
                       settings::SaveCloseBehaviour(state.settings, state.files));
  return exit;
}

settings::SaveResult SaveWithoutAsking(MainWindow& state) {
  NoteDocument(state);
  return settings::SaveAtExit(state.settings, state.files, state.normalGeometry,
                              static_cast<int>(state.session->Edit().Caret()),
                              state.session->Edit().Text());
}

void ReportSave(MainWindow& state, const settings::SaveResult& saved) {
  sheet::ReportWrite(state.session->Host(), saved.configuration);
  sheet::ReportWrite(state.session->Host(), saved.contentBackup,
                     sheet::FileTask::SaveContentBackup);
}

}  // namespace

// The exit window comes up over the window as it is; closing it answers
// "not now". A 退出设置 the program does not know asks.
bool OnCloseRequest(MainWindow& state) {
  if (state.closePermission) return true;
  sheet::ReportWrite(state.session->Host(), settings::SaveCloseRequest(state.settings, state.files,
                                                                       VirtualKeyboardOpen(state)));
  switch (state.settings.退出设置) {
    case 1:
      return SavePromptBeforeClose(state);
    case 2:
      ShowWindow(state.window, SW_HIDE);
      return false;
    default:
      return AskToExit(state) && SavePromptBeforeClose(state);
  }
}

bool SaveBeforeExit(MainWindow& state) {
  if (state.savedAtExit || !state.session) return true;
  NoteDocument(state);
  const sheet::ExitSave saved =
      sheet::SaveAtExitAsking(state.session->Host(), state.session->Edit(), state.settings,
                              state.files, state.normalGeometry);
  if (saved == sheet::ExitSave::BackToSheet) {
    ShowAgain(state);
    return false;
  }
  state.savedAtExit = true;
  return true;
}

// Whatever destroys the window without the save before it still saves.
void FinishAtExit(MainWindow& state) {
  ShowWindow(state.window, SW_SHOW);
  if (!state.savedAtExit && state.session) SaveWithoutAsking(state);
  RemoveTrayIcon(state.window);
  UnregisterShowHideHotKey(state.window, state.hotKeyId);
}

// No question can be asked while the session ends: a save that fails is
// shown in the status bar and, the first time, keeps the session going
// with the reason Windows shows beside the program.
bool OnQueryEndSession(MainWindow& state) {
  state.closePermission = true;
  ShutdownBlockReasonDestroy(state.window);
  const settings::SaveResult saved = SaveWithoutAsking(state);
  state.savedAtExit = saved.ok();
  if (saved.ok() || state.endSessionRefused) return true;
  state.endSessionRefused = true;
  ReportSave(state, saved);
  ShutdownBlockReasonCreate(state.window, Wide(state.session->Host().StatusText()).c_str());
  return false;
}

// A session that goes on after all (another program refused) is saved
// again at the next exit.
void OnEndSession(MainWindow& state, bool ending) {
  if (!ending) state.savedAtExit = false;
}

}  // namespace tl::app
