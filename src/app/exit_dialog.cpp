#include "exit_dialog.h"

#include "modal_window.h"

namespace tl::app {

namespace {

enum : int { kRemember = 1, kExit = 2, kTray = 3 };

struct ExitDialog {
  HWND mainWindow;
  settings::Settings& settings;
  bool answer = false;
};

void Choose(HWND window, ExitDialog& state, bool exit) {
  bool remember = IsDlgButtonChecked(window, kRemember) == BST_CHECKED;
  if (remember) state.settings.退出设置 = exit ? 1 : 2;
  if (!exit) ShowWindow(state.mainWindow, SW_HIDE);
  state.answer = exit;
  EndModal(window);
}

LRESULT CALLBACK ExitDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      AddControl(window, L"BUTTON", "记住设置", BS_AUTOCHECKBOX | WS_TABSTOP, 16, 16, 200, 24,
                 kRemember);
      AddControl(window, L"BUTTON", "直接退出", BS_DEFPUSHBUTTON | WS_TABSTOP, 16, 52, 110, 30,
                 kExit);
      AddControl(window, L"BUTTON", "置托盘", BS_PUSHBUTTON | WS_TABSTOP, 142, 52, 110, 30, kTray);
      return 0;
    case WM_COMMAND:
      if (auto* state = ModalState<ExitDialog>(window)) {
        if (LOWORD(wParam) == kExit) Choose(window, *state, true);
        if (LOWORD(wParam) == kTray) Choose(window, *state, false);
      }
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

bool ConfirmExit(HWND mainWindow, settings::Settings& settings) {
  ExitDialog state{mainWindow, settings};
  RunModal(mainWindow, "是否要直接退出！", 268, 98, ExitDialogProc, &state);
  return state.answer;
}

}  // namespace tl::app
