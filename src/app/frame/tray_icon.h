#pragma once
// The tray icon with the tooltip "Tallyline" and its menu.
#include <windows.h>

#include <optional>

#include "sheet/seams/command.h"

namespace tl::app {

inline constexpr UINT kTrayMessage = WM_APP + 1;

enum class TrayEvent { None, LeftUp, LeftDoubleClick, RightUp };

void AddTrayIcon(HWND window);
void RemoveTrayIcon(HWND window);
TrayEvent TrayEventOf(LPARAM lParam);

// Pops the tray menu up at the mouse position and returns the chosen command.
std::optional<sheet::Command> ShowTrayMenu(HWND window, HMENU menu);

}  // namespace tl::app
