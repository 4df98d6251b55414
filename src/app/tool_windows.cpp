#include "app/tool_windows.h"

namespace tl::app {

namespace {

bool Belongs(HWND window, HWND target) {
  return target == window || IsChild(window, target);
}

}  // namespace

bool RouteToolWindowMessage(ToolWindows& tools, MSG& message) {
  for (HWND tool : tools.open) {
    if (!tool || !Belongs(tool, message.hwnd)) continue;
    if (message.message == WM_KEYDOWN &&
        SendMessageW(tool, kToolKeyPreview, 0, reinterpret_cast<LPARAM>(&message)))
      return true;
    return IsDialogMessageW(tool, &message);
  }
  return false;
}

bool IsMainWindowMessage(HWND mainWindow, const MSG& message) {
  return message.hwnd && Belongs(mainWindow, message.hwnd);
}

void CloseToolWindows(ToolWindows& tools) {
  for (HWND tool : tools.open)
    if (tool) DestroyWindow(tool);  // its entry is cleared as it goes
}

}  // namespace tl::app
