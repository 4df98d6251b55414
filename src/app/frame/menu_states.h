#pragma once
// Menu states computed when a menu opens: WM_INITMENUPOPUP, and the tray
// menu before it is shown (it is tracked without notifications).
#include <windows.h>

#include "app/frame/main_window_state.h"

namespace tl::app {

void OnInitMenuPopup(const MainWindow& state, HMENU popup);

}  // namespace tl::app
