#pragma once
// What the options dialog's "确定" changes in the main window at once.
#include "app/main_window_state.h"

namespace tl::app {

// After the dialog has copied its controls into the settings: always on
// top, the Esc-closes-window property, the show/hide hot key, word wrap,
// the edge-hiding timer and live mode follow them (the menus show them
// when they next open).
void ApplyOptions(MainWindow& state);

}  // namespace tl::app
