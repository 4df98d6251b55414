#include "app/frame/tray_icon.h"

#include <shellapi.h>

#include "app/frame/menus.h"
#include "app/kit/app_icon.h"

namespace tl::app {

namespace {
constexpr UINT kTrayId = 1;

NOTIFYICONDATAW IconData(HWND window) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window;
  data.uID = kTrayId;
  return data;
}
}  // namespace

void AddTrayIcon(HWND window) {
  NOTIFYICONDATAW data = IconData(window);
  data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  data.uCallbackMessage = kTrayMessage;
  data.hIcon = AppIcon(true);
  lstrcpynW(data.szTip, L"Tallyline", ARRAYSIZE(data.szTip));
  Shell_NotifyIconW(NIM_ADD, &data);
}

void RemoveTrayIcon(HWND window) {
  NOTIFYICONDATAW data = IconData(window);
  Shell_NotifyIconW(NIM_DELETE, &data);
}

TrayEvent TrayEventOf(LPARAM lParam) {
  switch (LOWORD(lParam)) {
    case WM_LBUTTONUP:
      return TrayEvent::LeftUp;
    case WM_LBUTTONDBLCLK:
      return TrayEvent::LeftDoubleClick;
    case WM_RBUTTONUP:
      return TrayEvent::RightUp;
    default:
      return TrayEvent::None;
  }
}

std::optional<sheet::Command> ShowTrayMenu(HWND window, HMENU menu) {
  POINT at;
  GetCursorPos(&at);
  SetForegroundWindow(window);  // so the menu closes when the user clicks elsewhere
  UINT choice = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0,
                               window, nullptr);
  return CommandFromId(choice);
}

}  // namespace tl::app
