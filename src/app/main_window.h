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

// The message loop's menu shortcuts: true when `message` was one of them.
bool TranslateMainWindowShortcut(HWND window, MSG& message);

}  // namespace tl::app
