// Parking the window at a screen edge, and the show/hide hot key.
#include "app/frame/edge_hiding.h"

#include "app/frame/main_window_state.h"
#include "app/kit/window_geometry.h"
#include "app/windows/virtual_keyboard_window.h"

namespace tl::app {

namespace {
constexpr int kRevealHold = 25;

void MoveIfChanged(HWND window, Rect from, Rect to) {
  if (from.left != to.left || from.top != to.top) MoveTo(window, to);
}
}  // namespace

void RevealFromEdge(MainWindow& state) {
  Rect r = WindowRect(state.window);
  MoveIfChanged(state.window, r, Reveal(r, ScreenWidth()));
  state.edgeHideHold = kRevealHold;
}

void BringToFront(MainWindow& state) {
  SetWindowPos(state.window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetWindowPos(state.window, state.settings.窗口前置 ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(state.window);
}

void ShowAgain(MainWindow& state) {
  ShowWindow(state.window, state.settings.窗口状态 == 3 ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
  BringToFront(state);
  RevealFromEdge(state);
  SetFocus(state.editBox);
}

void OnEdgeHideTimer(MainWindow& state) {
  if (state.edgeHideHold > 0) --state.edgeHideHold;
  POINT mouse;
  GetCursorPos(&mouse);
  Rect r = WindowRect(state.window);
  MoveIfChanged(state.window, r,
                EdgeHideTick(r, mouse.x, mouse.y, state.edgeHideHold, ScreenWidth()));
  FollowEdgeParking(state);
}

void ToggleByHotKey(MainWindow& state) {
  if (!IsWindowVisible(state.window)) {
    ShowWindow(state.window, SW_SHOWNORMAL);
    BringToFront(state);
    SetFocus(state.editBox);
    RevealFromEdge(state);
    return;
  }
  Rect r = WindowRect(state.window);
  if (ParkedEdge(r, ScreenWidth()) != Edge::None) {
    RevealFromEdge(state);
    return;
  }
  Edge edge = TouchingEdge(r, ScreenWidth());
  if (edge != Edge::None) {
    state.edgeHideHold = 0;
    MoveTo(state.window, Park(r, edge, ScreenWidth()));
    SetWindowPos(state.window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return;
  }
  ShowWindow(state.window, SW_HIDE);
}

}  // namespace tl::app
