#pragma once
// The status bar's second part, «行: N,列: M», shown again when the caret or
// the text has changed since.
#include <windows.h>

#include "app/frame/main_window_state.h"

namespace tl::app {

int CaretPartWidth(HWND window);
void ShowCaretPlace(MainWindow& state);

}  // namespace tl::app
