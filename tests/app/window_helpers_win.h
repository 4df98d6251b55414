#pragma once
// Small helpers of the window tests: waiting for windows and conditions,
// reading a window's text across processes, the clipboard, the thread's
// message queue.
#include <windows.h>

#include <functional>
#include <string>

namespace tl::app::testing {

// Asks `done` every 50 ms until it holds or `ms` have passed; its last answer.
bool WaitUntil(const std::function<bool()>& done, DWORD ms);
// The top-level window titled `title` once it is shown; null when none is
// within `ms` (a loaded machine can take seconds to show one under Wine).
HWND WaitForWindow(const wchar_t* title, DWORD ms = 10000);
// True once `window` is destroyed, within `ms`.
bool WaitUntilGone(HWND window, DWORD ms = 5000);
// The window's text through WM_GETTEXT, which crosses processes
// (GetWindowText would not ask another process's window).
std::wstring Text(HWND window);
// The clipboard's Unicode text, empty when there is none.
std::wstring ClipboardText();
// Handles the messages waiting in this thread's queue.
void Pump();

}  // namespace tl::app::testing
