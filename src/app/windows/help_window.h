#pragma once
// The help window "帮助": the help text, read-only, in a window the user can
// resize; Ctrl+A selects it all, Ctrl+C copies, Esc closes.
#include <windows.h>

#include "app/kit/tool_windows.h"

namespace tl::app {

void OpenHelpWindow(HWND owner, ToolWindows& tools);

}  // namespace tl::app
