#pragma once
// The options dialog "快捷设置" (menu "&K.选项", Ctrl+K).
#include <windows.h>

#include <functional>

#include "app/sheet_session.h"
#include "app/tool_windows.h"
#include "settings/files.h"

namespace tl::app {

// What the dialog works on: the settings and the host through the door, the
// files it saves to, and what makes the main window follow the settings
// after "确定" has copied its controls into them.
struct OptionsTarget {
  SheetSession& session;
  const settings::SettingsFiles& files;
  std::function<void()> apply;
};

// Opens the dialog modeless, owned by `owner`, with its controls loaded
// from the settings; an open one comes to the front instead.
void OpenOptionsWindow(HWND owner, ToolWindows& tools, OptionsTarget target);

}  // namespace tl::app
