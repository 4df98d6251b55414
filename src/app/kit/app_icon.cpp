#include "app/kit/app_icon.h"

#include "app/kit/resource_ids.h"

namespace tl::app {

HICON AppIcon(bool small) {
  const int size = GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON);
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(TALLYLINE_ICON),
                                       IMAGE_ICON, size, size, LR_SHARED));
}

void SetWindowIcon(HWND window) {
  SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(AppIcon(false)));
  SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(AppIcon(true)));
}

}  // namespace tl::app
