#pragma once
// A push button that never takes the keyboard focus nor activates its
// window, for the virtual keyboard: the worksheet keeps the caret while its
// buttons are clicked. It draws itself with its caption (WM_SETTEXT) in its
// font (WM_SETFONT), follows the left button with the mouse captured, and
// tells its parent through WM_COMMAND with its id and one of these codes.
#include <windows.h>

namespace tl::app {

inline constexpr WORD kKeyClicked = 0;                // the left button released over it
inline constexpr WORD kKeyReleasedElsewhere = 0x200;  // released after a press on it
inline constexpr WORD kKeyRightReleased = 0x201;      // the right button released over it

HWND CreateKeyButton(HWND parent, int id);

}  // namespace tl::app
