#pragma once
// The hook on the worksheet edit box: its keys, characters and mouse events
// go to the worksheet through the door before the control sees them.
#include <windows.h>

#include "app/frame/main_window_state.h"

namespace tl::app {

void HookEditBox(MainWindow& state);
void UnhookEditBox(MainWindow& state);

// The full-screen key (全屏快捷键 on) with exactly its modifiers.
bool IsFullScreenKey(const settings::Settings& settings, int key, int modifiers);

}  // namespace tl::app
