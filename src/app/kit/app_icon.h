#pragma once
// The program's icon (res/tallyline.ico) at the sizes the system asks for.
#include <windows.h>

namespace tl::app {

// The icon at the system's large (SM_CXICON) or small (SM_CXSMICON) size.
// Shared: never destroyed.
HICON AppIcon(bool small);

// Gives `window` the icon in its caption and in Alt+Tab.
void SetWindowIcon(HWND window);

}  // namespace tl::app
