#include "app/windows/virtual_keyboard_window.h"

#include <memory>
#include <vector>

#include "app/kit/dpi.h"
#include "app/kit/key_button.h"
#include "app/kit/kit_window.h"
#include "app/kit/win_text.h"
#include "app/kit/window_geometry.h"
#include "settings/load.h"
#include "settings/writers.h"
#include "sheet/document/write_reports.h"
#include "sheet/tools/keyboard_layout.h"
#include "sheet/tools/virtual_keyboard.h"

namespace tl::app {

namespace {

using sheet::KeyboardButtons;
using sheet::KeyboardChange;

constexpr int kFirstKeyId = 100;  // clear of IDOK and IDCANCEL

// The smallest window whose captions still read, in pixels: a caption reads
// by its pixels at any DPI. The simple layout's is below what a layout
// switch makes of the scientific one's, so that a switch keeps its width.
constexpr int kMinimumScientificWidth = 400;
constexpr int kMinimumSimpleWidth = 220;
constexpr int kMinimumHeight = 220;

// The window never activates: clicks leave the worksheet in front. Its
// place and size are the ones it was closed with.
constexpr WindowDesign kDesign{.caption = "虚拟键盘",
                               .clientWidth = 540,
                               .clientHeight = 285,
                               .controls = {},
                               .balloonTooltips = false,
                               .exStyle = WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW};

struct KeyboardWindow {
  KeyboardWindow(MainWindow& mainWindow, bool scientific, std::uint64_t seed, bool placedBefore)
      : main(mainWindow), keys(scientific, seed), placed(placedBefore) {}
  ~KeyboardWindow() {
    if (font) DeleteObject(font);
  }
  KeyboardWindow(const KeyboardWindow&) = delete;
  KeyboardWindow& operator=(const KeyboardWindow&) = delete;

  MainWindow& main;
  sheet::KeyboardState keys;
  bool placed;                // the configuration holds a geometry it was closed with
  std::vector<HWND> buttons;  // in table order
  HFONT font = nullptr;
  int fontHeight = 0;
};

// The worksheet in front with the keyboard focus: a pressed key goes to
// whichever window has the focus when it arrives, and must reach the sheet.
void FocusWorksheet(MainWindow& main) {
  if (IsWindowVisible(main.window) && GetForegroundWindow() != main.window)
    SetForegroundWindow(main.window);
  SetFocus(main.editBox);
}

int MinimumWidth(bool scientific) {
  return scientific ? kMinimumScientificWidth : kMinimumSimpleWidth;
}

// The first time: the default size for the main window's DPI, beside the
// main window (right of it, else left of it, else below it), so that the
// sheet stays in view.
sheet::KeyRect FirstPlace(const MainWindow& main, const RECT& work) {
  const int dpi = WindowDpi(main.window);
  const int width = Scaled(main.settings.键盘宽度, dpi);
  const int height = Scaled(main.settings.键盘高度, dpi);
  RECT m;
  GetWindowRect(main.window, &m);
  if (m.right + width <= work.right) return {m.right, m.top, width, height};
  if (m.left - width >= work.left) return {m.left - width, m.top, width, height};
  return {m.left, m.bottom, width, height};
}

// The geometry it was closed with, or its first place, on the work area of
// the nearest monitor.
void PlaceFromSettings(HWND window, const KeyboardWindow& kb) {
  const settings::Settings& s = kb.main.settings;
  RECT mainRect;
  GetWindowRect(kb.main.window, &mainRect);
  const POINT anchor =
      kb.placed ? POINT{s.键盘左边, s.键盘顶边} : POINT{mainRect.left, mainRect.top};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromPoint(anchor, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  const sheet::KeyRect wanted = kb.placed
                                    ? sheet::KeyRect{s.键盘左边, s.键盘顶边, s.键盘宽度, s.键盘高度}
                                    : FirstPlace(kb.main, work);
  const sheet::KeyRect r = sheet::FitKeyboardWindow(
      wanted, {work.left, work.top, work.right - work.left, work.bottom - work.top},
      MinimumWidth(kb.keys.scientific), kMinimumHeight);
  SetWindowPos(window, nullptr, r.left, r.top, r.width, r.height,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// The captions' font grows and shrinks with the buttons.
void SetKeyFont(KeyboardWindow& kb, int height) {
  if (kb.font && height == kb.fontHeight) return;
  LOGFONTW face{};
  GetObjectW(UiFont(kBaseDpi), sizeof face, &face);
  face.lfHeight = -height;
  HFONT font = CreateFontIndirectW(&face);
  for (HWND button : kb.buttons)
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (kb.font) DeleteObject(kb.font);
  kb.font = font;
  kb.fontHeight = height;
}

void LayOut(HWND window, KeyboardWindow& kb) {
  const auto table = KeyboardButtons();
  if (kb.buttons.size() != table.size()) return;
  RECT client;
  GetClientRect(window, &client);
  for (std::size_t i = 0; i < table.size(); ++i) {
    const sheet::KeyRect r =
        sheet::KeyButtonRect(table[i], kb.keys.scientific, client.right, client.bottom);
    MoveWindow(kb.buttons[i], r.left, r.top, r.width, r.height, TRUE);
  }
  // Every button of one row and one column has the same size.
  const sheet::KeyRect cell =
      sheet::KeyButtonRect(table[0], kb.keys.scientific, client.right, client.bottom);
  SetKeyFont(kb, sheet::KeyFontHeight(cell.width, cell.height));
}

void ShowCaptions(KeyboardWindow& kb) {
  const auto table = KeyboardButtons();
  for (std::size_t i = 0; i < kb.buttons.size(); ++i)
    SetWindowTextW(kb.buttons[i], Wide(sheet::KeyCaption(table[i], kb.keys)).c_str());
}

void MsgCreate(HWND window, KeyboardWindow& kb) {
  SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) | WS_THICKFRAME);
  for (std::size_t i = 0; i < KeyboardButtons().size(); ++i)
    kb.buttons.push_back(CreateKeyButton(window, kFirstKeyId + static_cast<int>(i)));
  ShowCaptions(kb);
  PlaceFromSettings(window, kb);
  LayOut(window, kb);
}

void ApplyChange(HWND window, KeyboardWindow& kb, KeyboardChange change) {
  if (change == KeyboardChange::None) return;
  ShowCaptions(kb);
  if (change != KeyboardChange::Layout) return;
  RECT r;
  GetWindowRect(window, &r);
  SetWindowPos(window, nullptr, 0, 0,
               sheet::SwitchedKeyboardWidth(r.right - r.left, kb.keys.scientific), r.bottom - r.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  LayOut(window, kb);
}

// A button's notification: its action on the worksheet, then the focus back
// there. Nothing while a modal window keeps the main window disabled.
void MsgKey(HWND window, KeyboardWindow& kb, WPARAM wParam) {
  const auto table = KeyboardButtons();
  const std::size_t index = static_cast<std::size_t>(LOWORD(wParam)) - kFirstKeyId;
  const WORD code = HIWORD(wParam);
  MainWindow& main = kb.main;
  if (index >= table.size() || !IsWindowEnabled(main.window)) return;
  FocusWorksheet(main);
  KeyboardChange change = KeyboardChange::None;
  if (code == kKeyRightReleased) {
    change = sheet::RightReleaseKeyboardButton(index, kb.keys);
  } else if (code == kKeyClicked || table[index].trigger == sheet::KeyTrigger::Release) {
    change = main.session->Act([&](sheet::Worksheet& worksheet, WinEditBox& edit, WinHost& host) {
      return sheet::PressKeyboardButton(index, kb.keys, {worksheet, edit, host, main.settings});
    });
  }
  ApplyChange(window, kb, change);
  FocusWorksheet(main);
}

void MsgMinimumSize(const KeyboardWindow& kb, LPARAM lParam) {
  reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {MinimumWidth(kb.keys.scientific),
                                                           kMinimumHeight};
}

// Its geometry and layout for the next time it opens.
void MsgDestroy(HWND window, KeyboardWindow& kb) {
  RECT r;
  GetWindowRect(window, &r);
  settings::Settings& s = kb.main.settings;
  s.键盘左边 = r.left;
  s.键盘顶边 = r.top;
  s.键盘宽度 = r.right - r.left;
  s.键盘高度 = r.bottom - r.top;
  s.键盘模式 = kb.keys.scientific;
  sheet::ReportWrite(kb.main.session->Host(), settings::SaveKeyboardClosed(s, kb.main.files));
}

LRESULT CALLBACK KeyboardProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* kb = KitState<KeyboardWindow>(window);
  if (!kb) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_CREATE:
      MsgCreate(window, *kb);
      return 0;
    case WM_SIZE:
      LayOut(window, *kb);
      return 0;
    case WM_GETMINMAXINFO:
      MsgMinimumSize(*kb, lParam);
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_COMMAND:
      MsgKey(window, *kb, wParam);
      return 0;
    case WM_LBUTTONDBLCLK:  // on the background
      PostMessageW(window, WM_CLOSE, 0, 0);
      return 0;
    case WM_CLOSE:
      // Closed by the user, not with the main window: the next start
      // leaves it closed.
      sheet::ReportWrite(kb->main.session->Host(),
                         settings::SaveCloseRequest(kb->main.settings, kb->main.files, false));
      return 0;
    case WM_EXITSIZEMOVE:
      FocusWorksheet(kb->main);
      return 0;
    case WM_DESTROY:
      MsgDestroy(window, *kb);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool VirtualKeyboardOpen(const MainWindow& state) {
  return state.tools[Tool::Keyboard] != nullptr;
}

void OpenVirtualKeyboard(MainWindow& state) {
  if (VirtualKeyboardOpen(state)) return;
  settings::ReloadKeys(state.settings, state.files, settings::kKeyboardReadOrder);
  sheet::ReportWrite(state.session->Host(), settings::SaveKeyboardOpened(state.files));
  // Open from now on: the next start opens it again however this run ends
  // (the file menu's and the tray menu's exits make no close request).
  sheet::ReportWrite(state.session->Host(),
                     settings::SaveCloseRequest(state.settings, state.files, true));
  const bool placed =
      settings::KeyStored(state.files, *settings::kKeyboardWriteOrder[0]);  // 键盘宽度
  auto keyboard = std::make_unique<KeyboardWindow>(state, state.settings.键盘模式,
                                                   state.session->Host().NowMs(), placed);
  if (!OpenToolWindow(state.window, state.tools, Tool::Keyboard, kDesign, KeyboardProc,
                      std::move(keyboard)))
    return;
  FocusWorksheet(state);
}

void ToggleVirtualKeyboard(MainWindow& state) {
  if (HWND open = state.tools[Tool::Keyboard])
    SendMessageW(open, WM_CLOSE, 0, 0);
  else
    OpenVirtualKeyboard(state);
}

void FollowEdgeParking(MainWindow& state) {
  HWND keyboard = state.tools[Tool::Keyboard];
  // A minimised main window hides its keyboard itself and shows it again
  // when it is restored.
  if (!keyboard || !IsWindowVisible(state.window) || IsIconic(state.window)) return;
  const bool shown = ParkedEdge(WindowRect(state.window), ScreenWidth()) == Edge::None;
  if ((IsWindowVisible(keyboard) != FALSE) == shown) return;
  ShowWindow(keyboard, shown ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void OnMainWindowNotify(MainWindow& state, const NMHDR& header) {
  if (header.hwndFrom == state.statusBar && header.code == static_cast<UINT>(NM_DBLCLK))
    ToggleVirtualKeyboard(state);
}

}  // namespace tl::app
