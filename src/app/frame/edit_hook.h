#pragma once
// The hook on the worksheet edit box: its keys, characters and mouse events
// go to the worksheet through the door before the control sees them.
#include <windows.h>

#include "app/frame/main_window_state.h"

namespace tl::app {

void HookEditBox(MainWindow& state);
void UnhookEditBox(MainWindow& state);

}  // namespace tl::app
