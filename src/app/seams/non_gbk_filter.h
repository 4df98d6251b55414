#pragma once
// Characters that GBK cannot hold (an emoji, from an input method or the
// clipboard) are kept out of every text that reaches the worksheet: an EDIT
// control holds UTF-16, where such a character takes one or two units while
// the worksheet's GBK text would hold one "?" in its place, so that offsets
// and text would no longer agree.
#include <windows.h>

#include <string>

namespace tl::app {

// True for a UTF-16 unit that cannot be typed into such a text: half of a
// surrogate pair, or a character without an exact GBK form.
bool IsNonGbkUnit(wchar_t unit);

// The control's whole text.
std::wstring ControlText(HWND edit);

// Removes every character without a GBK form from the control, keeping the
// selection on the same characters. `text` is the control's text on entry
// and on return. True when there was any.
bool RemoveNonGbkCharacters(HWND edit, std::wstring& text);

}  // namespace tl::app
