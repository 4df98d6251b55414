#pragma once
// Pixels per inch: every size in the window layer is written for 96 and
// scaled for the window's monitor (the program is per-monitor DPI aware).
#include <windows.h>

// Sent from Windows 8.1 on; the program's Windows 7 headers do not name it.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace tl::app {

inline constexpr int kBaseDpi = 96;

// The window's DPI (its monitor's where the system tells it per window,
// else the screen's).
int WindowDpi(HWND window);

// A length given at 96 DPI, at `dpi`.
inline int Scaled(int length96, int dpi) {
  return MulDiv(length96, dpi, kBaseDpi);
}

// The font every window of the program gives its controls, at `dpi`: the
// default UI font under Wine has no CJK glyphs. Kept for the program's life.
HFONT UiFont(int dpi);

}  // namespace tl::app
