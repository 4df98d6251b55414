#pragma once
// The options dialog "快捷设置" (menu "&K.选项", Ctrl+K).
#include "app/main_window_state.h"

namespace tl::app {

// Opens the dialog modeless, owned by the main window, with its controls
// loaded from the settings; an open one comes to the front instead.
void OpenOptionsWindow(MainWindow& main);

}  // namespace tl::app
