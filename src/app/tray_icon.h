#pragma once
// The tray icon with the tooltip "Tallyline" and its two-item menu.
#include <windows.h>

namespace tl::app {

inline constexpr UINT kTrayMessage = WM_APP + 1;

enum class TrayEvent { None, LeftUp, LeftDoubleClick, RightUp };

void AddTrayIcon(HWND window);
void RemoveTrayIcon(HWND window);
TrayEvent TrayEventOf(LPARAM lParam);

enum class TrayChoice { None, Open, Exit };
// Pops the tray menu up at the mouse position and returns the choice.
TrayChoice ShowTrayMenu(HWND window);

}  // namespace tl::app
