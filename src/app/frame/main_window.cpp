#include "app/frame/main_window.h"

#include <commctrl.h>

#include "app/frame/caret_place.h"
#include "app/frame/commands.h"
#include "app/frame/edge_hiding.h"
#include "app/frame/edit_hook.h"
#include "app/frame/hot_key.h"
#include "app/frame/main_window_state.h"
#include "app/frame/menu_states.h"
#include "app/frame/running_backup.h"
#include "app/frame/shutdown.h"
#include "app/frame/startup.h"
#include "app/frame/tray_icon.h"
#include "app/frame/view.h"
#include "app/frame/worksheet_font.h"
#include "app/kit/app_icon.h"
#include "app/kit/dpi.h"
#include "app/kit/win_text.h"
#include "app/windows/accumulator_window.h"
#include "app/windows/virtual_keyboard_window.h"

namespace tl::app {

namespace {

bool MsgCreate(HWND window) {
  auto* state = new MainWindow;
  state->window = window;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
  if (RunStartUp(*state)) return true;
  state->secondInstance = true;
  return false;
}

void MsgDestroy(HWND window) {
  MainWindow* state = StateOf(window);
  if (!state) return;
  CloseToolWindows(state->tools);
  EndDocument(*state);
  if (!state->secondInstance) FinishAtExit(*state);
  KillTimer(window, kBackupTimerId);
  KillTimer(window, kEdgeHideTimerId);
  KillTimer(window, kEnterTimerId);
  KillTimer(window, kFullScreenTimerId);
  UnhookEditBox(*state);
  state->session.reset();
  SetMenu(window, nullptr);
  DestroyMenus(state->menus);
  if (state->accelerators) DestroyAcceleratorTable(state->accelerators);
  if (state->font) DeleteObject(state->font);
  if (state->background) DeleteObject(state->background);
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  delete state;
  PostQuitMessage(0);
}

void MsgCommand(MainWindow& state, WPARAM wParam, LPARAM lParam) {
  if (reinterpret_cast<HWND>(lParam) == state.editBox && HIWORD(wParam) == EN_CHANGE) {
    if (state.session) state.session->OnControlChanged();
    return;
  }
  const bool accelerator = HIWORD(wParam) == 1;
  // The edit box sees the release of the shortcut's key, not its press.
  if (accelerator && state.session)
    if (auto pressed = CommandFromId(LOWORD(wParam)))
      state.session->OnShortcutKey(sheet::ShortcutOf(*pressed).key);
  if (auto command = accelerator ? CommandFromAccelerator(LOWORD(wParam), state.settings)
                                 : CommandFromId(LOWORD(wParam)))
    RunCommand(state, *command);
}

void MsgTimer(MainWindow& state, WPARAM id) {
  if (id == kEnterTimerId && state.session) state.session->OnEnterTimer();
  if (id == kEdgeHideTimerId) OnEdgeHideTimer(state);
  if (id == kBackupTimerId) OnBackupTimer(state);
  if (id == kFullScreenTimerId) OnFullScreenTimer(state);
}

void MsgTray(MainWindow& state, LPARAM lParam) {
  switch (TrayEventOf(lParam)) {
    case TrayEvent::LeftUp:
    case TrayEvent::LeftDoubleClick:
      ShowAgain(state);
      break;
    case TrayEvent::RightUp:
      OnInitMenuPopup(state, state.menus.tray);
      if (auto command = ShowTrayMenu(state.window, state.menus.tray)) RunCommand(state, *command);
      break;
    case TrayEvent::None:
      break;
  }
}

// Moved to a monitor of another DPI: the fonts follow, then the layout.
void MsgDpiChanged(MainWindow& state, const RECT* suggested) {
  SendMessageW(state.statusBar, WM_SETFONT,
               reinterpret_cast<WPARAM>(UiFont(WindowDpi(state.window))), FALSE);
  ApplyWorksheetFont(state);
  SetWindowPos(state.window, nullptr, suggested->left, suggested->top,
               suggested->right - suggested->left, suggested->bottom - suggested->top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  Layout(state);
}

LRESULT MsgColour(MainWindow& state, HDC dc) {
  SetTextColor(dc, state.settings.字体颜色);
  SetBkColor(dc, state.settings.背景颜色);
  if (!state.background) state.background = CreateSolidBrush(state.settings.背景颜色);
  return reinterpret_cast<LRESULT>(state.background);
}

// A command may have closed the window, and its state is gone then.
void FollowSheetOf(HWND window) {
  if (MainWindow* state = StateOf(window)) FollowSheet(*state);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) return MsgCreate(window) ? 0 : -1;
  MainWindow* state = StateOf(window);
  if (!state || state->secondInstance) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_SIZE:
      Layout(*state);
      return 0;
    case WM_MOVE:  // moved by the window manager or the program
    case WM_EXITSIZEMOVE:
      RememberPlacement(*state);
      break;
    case WM_DPICHANGED:
      MsgDpiChanged(*state, reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_SETFOCUS:
      SetFocus(state->editBox);
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) RevealFromEdge(*state);
      return 0;
    case WM_COMMAND:
      MsgCommand(*state, wParam, lParam);
      FollowSheetOf(window);
      return 0;
    case WM_INITMENUPOPUP:
      if (!HIWORD(lParam)) OnInitMenuPopup(*state, reinterpret_cast<HMENU>(wParam));
      break;  // the window menu is the system's
    case WM_TIMER:
      MsgTimer(*state, wParam);
      FollowSheetOf(window);
      return 0;
    case WM_NOTIFY:
      OnMainWindowNotify(*state, *reinterpret_cast<const NMHDR*>(lParam));
      return 0;
    case WM_HOTKEY:
      ToggleByHotKey(*state);
      return 0;
    case kTrayMessage:
      MsgTray(*state, lParam);
      return 0;
    case kDroppedMessage:
      OnDropped(*state);
      FollowSheetOf(window);
      return 0;
    case kShellFileMessage:
      OnShellFile(*state);
      FollowSheetOf(window);
      return 0;
    case WM_COPYDATA:
      return OnFileHandedOver(*state, *reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_CTLCOLOREDIT:
      if (reinterpret_cast<HWND>(lParam) == state->editBox)
        return MsgColour(*state, reinterpret_cast<HDC>(wParam));
      break;
    case WM_QUERYENDSESSION:
      return OnQueryEndSession(*state);
    case WM_ENDSESSION:
      OnEndSession(*state, wParam != 0);
      return 0;
    case WM_CLOSE:
      if (OnCloseRequest(*state) && SaveBeforeExit(*state)) DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      MsgDestroy(window);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void FollowSheet(MainWindow& state) {
  if (!state.session || state.session->Edit().InBatch()) return;
  ShowCaretPlace(state);
  FollowAccumulatorRecords(state.tools, *state.session);
}

void ApplyWorksheetFont(MainWindow& state) {
  HFONT font = CreateWorksheetFont(state.settings, WindowDpi(state.window));
  SendMessageW(state.editBox, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (state.font) DeleteObject(state.font);
  state.font = font;
  if (state.background) DeleteObject(state.background);
  state.background = nullptr;  // made again with the current colour
  InvalidateRect(state.editBox, nullptr, TRUE);
}

void AdjustWorksheetFontSize(MainWindow& state, int points) {
  int size = state.settings.字体大小 + points;
  state.settings.字体大小 = size < 1 ? 1 : size;
  ApplyWorksheetFont(state);
}

HWND CreateMainWindow(HINSTANCE instance) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = AppIcon(false);
  windowClass.hIconSm = AppIcon(true);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kMainWindowClass;
  if (!RegisterClassExW(&windowClass)) return nullptr;
  return CreateWindowExW(0, kMainWindowClass, L"Tallyline", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                         nullptr);
}

void ShowMainWindow(HWND window) {
  MainWindow* state = StateOf(window);
  ShowWindow(window, state && state->settings.窗口状态 == 3 ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
  UpdateWindow(window);
}

namespace {

// The full-screen key goes before the menu shortcuts, whatever they use it
// for, and also as a system key (Alt combinations, F10); the releases that
// follow it do not open the menu bar.
bool TakeFullScreenKey(MainWindow& state, const MSG& message) {
  const bool down = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
  const bool up = message.message == WM_KEYUP || message.message == WM_SYSKEYUP;
  if (up && state.fullScreenKeyDown) {
    if (message.wParam == VK_MENU || GetKeyState(VK_MENU) >= 0) state.fullScreenKeyDown = false;
    return message.message == WM_SYSKEYUP;
  }
  const auto key = static_cast<int>(message.wParam);
  if (!down || !state.session || !IsFullScreenKey(state.settings, key, ModifierState()))
    return false;
  state.fullScreenKeyDown = true;
  // Like a menu shortcut's, its release is no typing.
  state.session->OnShortcutKey(key);
  if (!(message.lParam & (LPARAM{1} << 30)))  // not a repeat
    PostMessageW(state.window, WM_COMMAND,
                 CommandId(state.fullScreenChecked ? sheet::Command::ViewNormal
                                                   : sheet::Command::ViewFullScreen),
                 0);
  return true;
}

}  // namespace

bool PreTranslateMessage(HWND window, MSG& message) {
  MainWindow* state = StateOf(window);
  if (!state) return false;
  const bool forMainWindow = IsMainWindowMessage(window, message);
  if (state->session && !state->session->AdmitKey(message, forMainWindow)) return true;
  if (RouteToolWindowMessage(state->tools, message)) return true;
  if (!forMainWindow) return false;
  if (TakeFullScreenKey(*state, message)) return true;
  return state->accelerators && TranslateAcceleratorW(window, state->accelerators, &message);
}

}  // namespace tl::app
