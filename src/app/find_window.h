#pragma once
// The find and replace window "查找和替换".

#include <windows.h>

#include "app/tool_windows.h"

namespace tl::app {

class SheetSession;

// Opens the window over `owner`, or brings the open one to the front, with
// the search field selected and focused. Its buttons act through `sheet`.
void OpenFindWindow(HWND owner, ToolWindows& tools, SheetSession& session);

}  // namespace tl::app
