#pragma once
// The running backup of the sheet (退出保存): a timer tick writes the sheet
// when a backup is due.
#include <windows.h>

#include "app/frame/main_window_state.h"

namespace tl::app {

void OnBackupTimer(MainWindow& state);

}  // namespace tl::app
