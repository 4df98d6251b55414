#pragma once
// The view: which bars show, full screen, and the layout of the bars and
// the sheet in the main window.
#include <windows.h>

#include "app/frame/main_window_state.h"

namespace tl::app {

ViewFlags ViewOf(const settings::Settings& settings);
void ApplyView(MainWindow& state);
void Layout(MainWindow& state);
// Keeps the window's state and, when normal, its placement for the next start.
void RememberPlacement(MainWindow& state);
void RunViewCommand(MainWindow& state, sheet::Command command);
void ToggleFullScreen(MainWindow& state);
void OnFullScreenTimer(MainWindow& state);

}  // namespace tl::app
