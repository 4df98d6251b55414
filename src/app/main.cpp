#include <windows.h>

#include "app/frame/main_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  HWND window = tl::app::CreateMainWindow(instance);
  // No window: it could not be made, or a running instance took over.
  if (!window) return 0;
  tl::app::ShowMainWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (tl::app::PreTranslateMessage(window, message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
