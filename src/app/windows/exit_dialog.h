#pragma once
// The exit confirmation window "是否要直接退出！".
#include <windows.h>

#include "settings/settings.h"

namespace tl::app {

// True for "直接退出". "置托盘" hides `mainWindow`; with "记住设置" checked
// either button also sets 退出设置 (1 exit, 2 tray). Closing the window any
// other way answers false and changes nothing.
bool ConfirmExit(HWND mainWindow, settings::Settings& settings);

}  // namespace tl::app
