#pragma once
// Start-up, as the main window is created: settings, placement, the single
// instance, tray, font, hooks, the sheet brought back. False when this
// instance handed over to a running one.
#include <windows.h>

#include "app/frame/main_window_state.h"

namespace tl::app {

bool RunStartUp(MainWindow& state);

}  // namespace tl::app
