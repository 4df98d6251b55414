#pragma once
// Where the virtual keyboard's buttons go in its window. The positions are
// drawn for a window 540 wide (the simple layout: 312) and 285 high and
// scale with the window's size, each value truncated toward zero. The
// simple layout moves the three function columns out of sight.
#include "sheet/tools/virtual_keyboard.h"

namespace tl::sheet {

struct KeyRect {
  int left, top, width, height;
  bool operator==(const KeyRect&) const = default;
};

KeyRect KeyButtonRect(const KeyboardButton& button, bool scientific, int width, int height);

// The window's width after a layout switch: 310 simple for 540 scientific.
int SwitchedKeyboardWidth(int width, bool toScientific);

// Where the window opens: the stored geometry made at least the minimum
// size and at most the work area's, and moved wholly into the work area, so
// that a damaged or outdated configuration never opens it out of sight or
// too small to use.
KeyRect FitKeyboardWindow(KeyRect stored, KeyRect workArea, int minimumWidth, int minimumHeight);

// The height of the buttons' characters, in pixels, for a button of that
// size: the captions grow and shrink with the buttons, and the longest
// ("asinh", "acosh") still fits across.
int KeyFontHeight(int buttonWidth, int buttonHeight);

}  // namespace tl::sheet
