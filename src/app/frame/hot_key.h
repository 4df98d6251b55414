#pragma once
// The system-wide show/hide hot key.
#include <windows.h>

#include "settings/settings.h"

namespace tl::app {

// Registers 辅助快捷键 with the modifier 辅助功能快捷键 (1 Ctrl, 2 Shift, 0
// none) and returns its id (33001); 0 when the key is taken.
int RegisterShowHideHotKey(HWND window, const settings::Settings& settings);
void UnregisterShowHideHotKey(HWND window, int id);

}  // namespace tl::app
