#pragma once
// The virtual keyboard "虚拟键盘": a tool window of buttons that types into
// the worksheet for people who calculate with the mouse or a touch screen.
// It never takes the keyboard focus: the worksheet keeps its caret, and
// typing on the real keyboard goes on there while it is open.
#include <windows.h>

#include <commctrl.h>

#include "app/frame/main_window_state.h"

namespace tl::app {

// Opens the keyboard where it was last closed, in the layout it had.
void OpenVirtualKeyboard(MainWindow& state);

// "&I.虚拟键盘" and the status bar's double click: opens the keyboard, or
// closes it when it is open.
void ToggleVirtualKeyboard(MainWindow& state);

bool VirtualKeyboardOpen(const MainWindow& state);

// The edge-hiding timer: the keyboard is shown exactly while the main window
// is not parked at a screen edge.
void FollowEdgeParking(MainWindow& state);

// The main window's WM_NOTIFY: a double click on the status bar toggles the
// keyboard.
void OnMainWindowNotify(MainWindow& state, const NMHDR& header);

}  // namespace tl::app
