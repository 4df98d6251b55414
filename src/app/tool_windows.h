#pragma once
// The modeless tool windows the main window owns, at most one of each, and
// how the message loop shares the keyboard with them: a message for a tool
// window goes through that window's dialog keys (Tab, Enter, Esc), and the
// main window's menu shortcuts apply only to the main window and its edit
// box, so that a field of another window keeps its own Ctrl+C/V/X/Z and F3.
#include <windows.h>

#include <array>
#include <cstddef>

namespace tl::app {

enum class Tool { Options, Keyboard, Find, Accumulator, NumberConversion, Help, About, Count };

struct ToolWindows {
  std::array<HWND, static_cast<std::size_t>(Tool::Count)> open{};

  HWND& operator[](Tool tool) { return open[static_cast<std::size_t>(tool)]; }
  HWND operator[](Tool tool) const { return open[static_cast<std::size_t>(tool)]; }
};

// Sent to a tool window with a key-down MSG* (lParam) before its dialog keys
// see the key; a window that answers TRUE has taken it (the options dialog's
// Ctrl+Tab).
inline constexpr UINT kToolKeyPreview = WM_APP + 0x100;

// True when `message` belonged to an open tool window and its key preview or
// its dialog keys took it.
bool RouteToolWindowMessage(ToolWindows& tools, MSG& message);

// True when the main window's shortcuts may see `message`: it is for
// `mainWindow` itself or one of its children.
bool IsMainWindowMessage(HWND mainWindow, const MSG& message);

// Destroys every open tool window (before the main window's state goes).
void CloseToolWindows(ToolWindows& tools);

}  // namespace tl::app
