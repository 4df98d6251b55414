// The close request with its three behaviours, and the save at exit.
#include "app/exit_dialog.h"
#include "app/hot_key.h"
#include "app/main_window_state.h"
#include "app/tray_icon.h"
#include "app/virtual_keyboard_window.h"
#include "settings/writers.h"

namespace tl::app {

bool OnCloseRequest(MainWindow& state) {
  if (state.closePermission) return true;
  ShowWindow(state.window, SW_MINIMIZE);
  settings::SaveCloseRequest(state.settings, state.files, VirtualKeyboardOpen(state));
  switch (state.settings.退出设置) {
    case 1:
      return true;
    case 2:
      ShowWindow(state.window, SW_HIDE);
      return false;
    case 0:
      return ConfirmExit(state.window, state.settings);
    default:
      return false;
  }
}

void SaveAtExit(MainWindow& state) {
  ShowWindow(state.window, SW_SHOW);
  if (state.edit) {
    settings::SaveAtExit(state.settings, state.files, state.normalGeometry,
                         static_cast<int>(state.edit->Caret()), state.edit->Text());
  }
  RemoveTrayIcon(state.window);
  UnregisterShowHideHotKey(state.window, state.hotKeyId);
}

}  // namespace tl::app
