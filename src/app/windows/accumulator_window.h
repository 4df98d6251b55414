#pragma once
// The accumulator window "累加器".

#include <windows.h>

#include "app/kit/tool_windows.h"

namespace tl::app {

class SheetSession;

// Opens the window over `owner` with the accumulator's records in
// list 1, or brings the open one to the front; nothing in live mode, where
// the accumulator records nothing.
void OpenAccumulatorWindow(HWND owner, ToolWindows& tools, SheetSession& session);
// While the window is open its lists follow the records (recorded, cleared).
void FollowAccumulatorRecords(const ToolWindows& tools, const SheetSession& session);

}  // namespace tl::app
