#pragma once
// Hiding at the screen edge, the show/hide hot key, and bringing the window
// back.
#include <windows.h>

#include "app/frame/main_window_state.h"

namespace tl::app {

void RevealFromEdge(MainWindow& state);
void OnEdgeHideTimer(MainWindow& state);
void ToggleByHotKey(MainWindow& state);
void BringToFront(MainWindow& state);
// Shown again as it was last placed, in front, with the sheet focused.
void ShowAgain(MainWindow& state);

}  // namespace tl::app
