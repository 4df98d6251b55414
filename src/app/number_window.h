#pragma once
// The number conversion window "数值转大写".

#include <windows.h>

#include "app/tool_windows.h"

namespace tl::app {

class SheetSession;

// Opens the window over `owner`, or brings the open one to the front, with
// the worksheet's selected text to convert.
void OpenNumberWindow(HWND owner, ToolWindows& tools, SheetSession& session);

}  // namespace tl::app
