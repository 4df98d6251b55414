#pragma once
// What the options dialog's "确定" changes in the main window at once.
#include "app/main_window_state.h"

namespace tl::app {

// After the dialog has copied its controls into the settings: always on
// top, the Esc-closes-window property, the show/hide hot key, word wrap,
// the edge-hiding timer, the "&E.复制(兼容)" items and live mode with its
// menu states follow them.
void ApplyOptions(MainWindow& state);

}  // namespace tl::app
