#pragma once
// The custom window position window "自定义窗口位置(请勿超出屏幕！)".
#include <windows.h>

#include "settings/files.h"
#include "sheet/seams/host.h"

namespace tl::app {

// Shows the four _启动窗口 keys for editing; "确定" (enabled only for a
// position that stays reachable) writes them as typed, and a write that
// fails shows in `host`'s status bar. False when the user cancelled, so that
// the caller checks "记住窗口" again.
bool EditCustomWindowPosition(HWND owner, const settings::SettingsFiles& files, sheet::Host& host);

}  // namespace tl::app
