#pragma once
#include <windows.h>

namespace tl::app {

inline constexpr wchar_t kMainWindowClass[] = L"TallylineMainWindow";

// Registers the class and creates the main window (not yet shown); null on failure.
HWND CreateMainWindow(HINSTANCE instance);

}  // namespace tl::app
