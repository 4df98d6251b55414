#pragma once
// The worksheet edit box with or without word wrap. An EDIT control decides
// at its creation whether it wraps long lines (without ES_AUTOHSCROLL), so
// switching word wrap makes the control again in place.
#include <windows.h>

#include "app/frame/main_window_state.h"

namespace tl::app {

// An empty worksheet edit box in `parent` without a text limit: with word
// wrap only a vertical scroll bar (long lines wrap), without it both.
HWND CreateWorksheetEditBox(HWND parent, int id, bool wordWrap);

// Makes the edit box again when its word wrap differs from 自动折回. The new
// control keeps the text, the selection, the modified flag, the font and
// colours, the hook and the focus; the worksheet, with its undo history,
// goes on over it.
void ApplyWordWrap(MainWindow& state);

}  // namespace tl::app
