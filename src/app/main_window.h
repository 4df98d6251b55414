#pragma once
#include <windows.h>

namespace tl::app {

inline constexpr wchar_t kMainWindowClass[] = L"TallylineMainWindow";

// Registers the class and creates the main window, running the start-up. Null
// when the window could not be made or this instance handed over to a running
// one.
HWND CreateMainWindow(HINSTANCE instance);

// Shows the main window as start-up left it.
void ShowMainWindow(HWND window);

// The message loop's look at a message before it is dispatched: a key
// release over the main window whose press went elsewhere is dropped, then
// an open tool window's dialog keys, then the main window's menu shortcuts
// for messages of the main window and its edit box. True when one of them
// took it.
bool PreTranslateMessage(HWND window, MSG& message);

}  // namespace tl::app
