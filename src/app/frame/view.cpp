// The three view states, full screen, and the layout of the edit box.
#include "app/frame/view.h"

#include <windows.h>

#include <commctrl.h>

#include "app/frame/caret_place.h"
#include "app/frame/main_window_state.h"
#include "app/kit/window_geometry.h"

namespace tl::app {

ViewFlags ViewOf(const settings::Settings& s) {
  return {s.状态栏状态, s.菜单栏状态, s.标题栏状态};
}

Rect WindowRect(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void MoveTo(HWND window, Rect r) {
  SetWindowPos(window, nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ApplyView(MainWindow& state) {
  ViewFlags view = ViewOf(state.settings);
  ShowWindow(state.statusBar, view.statusBar ? SW_SHOW : SW_HIDE);
  SetMenu(state.window, view.menuBar ? state.menus.bar : nullptr);
  LONG_PTR style = GetWindowLongPtrW(state.window, GWL_STYLE);
  LONG_PTR exStyle = GetWindowLongPtrW(state.window, GWL_EXSTYLE);
  if (view.titleBar) {
    style |= WS_SYSMENU;
    exStyle &= ~static_cast<LONG_PTR>(WS_EX_TOOLWINDOW);
    SetWindowTextW(state.window, L"Tallyline");
  } else {
    style &= ~static_cast<LONG_PTR>(WS_SYSMENU);
    exStyle |= WS_EX_TOOLWINDOW;
    SetWindowTextW(state.window, L"");
  }
  SetWindowLongPtrW(state.window, GWL_STYLE, style);
  SetWindowLongPtrW(state.window, GWL_EXSTYLE, exStyle);
  SetWindowPos(state.window, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  Layout(state);
}

void Layout(MainWindow& state) {
  if (!state.editBox) return;
  RECT client;
  GetClientRect(state.window, &client);
  const int width = client.right - client.left;
  const int caretPart = CaretPartWidth(state.window);
  int parts[2] = {width > caretPart ? width - caretPart : 0, -1};
  SendMessageW(state.statusBar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
  SendMessageW(state.statusBar, WM_SIZE, 0, 0);  // the bar sizes itself for its font
  int statusHeight = 0;
  if (ViewOf(state.settings).statusBar) {
    RECT bar;
    GetWindowRect(state.statusBar, &bar);
    statusHeight = bar.bottom - bar.top;
  }
  Rect edit = EditBoxRect(client.right - client.left, client.bottom - client.top, statusHeight);
  MoveWindow(state.editBox, edit.left, edit.top, edit.width, edit.height, TRUE);
  RememberPlacement(state);
}

void RememberPlacement(MainWindow& state) {
  // A window not shown yet (start-up), minimized or parked at an edge keeps
  // the state and placement it will be shown in.
  Rect window = WindowRect(state.window);
  if (!IsWindowVisible(state.window) || IsIconic(state.window) ||
      ParkedEdge(window, ScreenWidth()) != Edge::None ||
      !LayoutRemembers(window, ScreenWidth(), ScreenHeight()))
    return;
  bool maximized = IsZoomed(state.window);
  if (!maximized) state.normalGeometry = {window.left, window.top, window.width, window.height};
  state.settings.窗口状态 = maximized ? 3 : 0;
}

namespace {

// "全屏" is on with the bars hidden and the window maximized, "正常" with all
// three bars and the normal placement; the full-screen key toggles them.
void SetViewFlags(MainWindow& state, bool on) {
  state.settings.状态栏状态 = on;
  state.settings.菜单栏状态 = on;
  state.settings.标题栏状态 = on;
  state.fullScreenChecked = !on;
}

}  // namespace

void RunViewCommand(MainWindow& state, sheet::Command command) {
  using sheet::Command;
  switch (command) {
    case Command::ViewStatusBar:
      state.settings.状态栏状态 = !state.settings.状态栏状态;
      break;
    case Command::ViewMenuBar:
      state.settings.菜单栏状态 = !state.settings.菜单栏状态;
      break;
    case Command::ViewTitleBar:
      state.settings.标题栏状态 = !state.settings.标题栏状态;
      break;
    case Command::ViewNormal:
      KillTimer(state.window, kFullScreenTimerId);  // no late maximize after this
      ShowWindow(state.window, SW_SHOWNORMAL);
      SetViewFlags(state, true);
      break;
    case Command::ViewFullScreen:
      SetViewFlags(state, false);
      ApplyView(state);
      ShowWindow(state.window, SW_SHOWMAXIMIZED);
      // The X11 driver may put back the size the window had once the frame's
      // change reaches the display: maximized again when that has settled.
      SetTimer(state.window, kFullScreenTimerId, 300, nullptr);
      return;
    default:  // "外观设置" has no effect
      return;
  }
  ApplyView(state);
}

void OnFullScreenTimer(MainWindow& state) {
  KillTimer(state.window, kFullScreenTimerId);
  if (state.fullScreenChecked && !IsZoomed(state.window) && !IsIconic(state.window) &&
      IsWindowVisible(state.window))
    ShowWindow(state.window, SW_SHOWMAXIMIZED);
}

void ToggleFullScreen(MainWindow& state) {
  RunViewCommand(
      state, state.fullScreenChecked ? sheet::Command::ViewNormal : sheet::Command::ViewFullScreen);
}

}  // namespace tl::app
