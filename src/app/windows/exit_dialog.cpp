#include "app/windows/exit_dialog.h"

#include "app/kit/kit_window.h"

namespace tl::app {

namespace {

enum : int { kRemember = 10, kExit = 11, kTray = 12 };

constexpr ControlRow kControls[] = {
    {ControlKind::CheckBox, "记住设置", 16, 16, 200, 24, kRemember},
    {ControlKind::DefaultButton, "直接退出", 16, 52, 110, 30, kExit},
    {ControlKind::Button, "置托盘", 142, 52, 110, 30, kTray},
};

constexpr WindowDesign kWindow{"是否要直接退出！", 268, 98, kControls};

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
  auto* state = KitState<ExitDialog>(window);
  if (message == WM_COMMAND && state) {
    if (LOWORD(wParam) == kExit) Choose(window, *state, true);
    if (LOWORD(wParam) == kTray) Choose(window, *state, false);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool ConfirmExit(HWND mainWindow, settings::Settings& settings) {
  ExitDialog state{mainWindow, settings};
  RunModal(mainWindow, kWindow, ExitDialogProc, &state);
  return state.answer;
}

}  // namespace tl::app
