#pragma once
// The running backup of the sheet (退出保存): a timer tick writes the sheet
// when a backup is due.
#include <windows.h>

#include "app/frame/main_window_state.h"

namespace tl::app {

// Once the sheet and its file are in place at start: the schedule starts
// from them, and its timer runs.
void StartRunningBackup(MainWindow& state);
void OnBackupTimer(MainWindow& state);

}  // namespace tl::app
