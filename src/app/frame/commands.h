#pragma once
// The menu commands as the main window runs them.
#include <windows.h>

#include "app/frame/main_window_state.h"

namespace tl::app {

void RunCommand(MainWindow& state, sheet::Command command);
bool CommandAvailable(sheet::Command command);

}  // namespace tl::app
