#include "app/tool_windows.h"

namespace tl::app {

namespace {

bool Belongs(HWND window, HWND target) {
  return target == window || IsChild(window, target);
}

}  // namespace

bool RouteToolWindowMessage(ToolWindows& tools, MSG& message) {
  const UINT kind = message.message;
  const bool press = kind == WM_KEYDOWN || kind == WM_SYSKEYDOWN;
  const bool release = kind == WM_KEYUP || kind == WM_SYSKEYUP;
  const std::size_t key = message.wParam & 0xFF;
  for (HWND tool : tools.open) {
    if (!tool || !Belongs(tool, message.hwnd)) continue;
    if (press) tools.keysDown.set(key);
    if (release) tools.keysDown.reset(key);
    if (kind == WM_KEYDOWN &&
        SendMessageW(tool, kToolKeyPreview, 0, reinterpret_cast<LPARAM>(&message)))
      return true;
    return IsDialogMessageW(tool, &message);
  }
  if (!release || !tools.keysDown.test(key)) return false;
  tools.keysDown.reset(key);
  return true;
}

bool IsMainWindowMessage(HWND mainWindow, const MSG& message) {
  return message.hwnd && Belongs(mainWindow, message.hwnd);
}

void CloseToolWindows(ToolWindows& tools) {
  for (HWND tool : tools.open)
    if (tool) DestroyWindow(tool);  // its entry is cleared as it goes
}

}  // namespace tl::app
