#pragma once
// Closing and the end of the program.
#include <windows.h>

#include "app/frame/main_window_state.h"

namespace tl::app {

// OnCloseRequest: whether the close may go on; SaveBeforeExit
// then saves, asking while a file cannot be written (false: the user went
// back to the sheet). FinishAtExit runs as the window is destroyed.
bool OnCloseRequest(MainWindow& state);
bool SaveBeforeExit(MainWindow& state);
void FinishAtExit(MainWindow& state);
// A log-off or shut-down: saves, and refuses once when that fails.
bool OnQueryEndSession(MainWindow& state);
void OnEndSession(MainWindow& state, bool ending);

}  // namespace tl::app
