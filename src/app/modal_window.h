#pragma once
// Small modal windows built from plain child controls: a caption, a client
// size, and a procedure that handles WM_CREATE and WM_COMMAND. The owner is
// disabled while the window runs, as with a dialog box.
#include <windows.h>

#include <string_view>

namespace tl::app {

// The font every window of the program gives its controls: the default UI
// font under Wine has no CJK glyphs.
HFONT UiFont();

// Creates a child control with the UI font. `gbkText` is the control's text.
HWND AddControl(HWND parent, const wchar_t* className, std::string_view gbkText, DWORD style, int x,
                int y, int width, int height, int id);

// Runs `proc` as a modal window owned by `owner` until it calls EndModal.
// `state` reaches the procedure through GWLP_USERDATA from WM_CREATE on.
void RunModal(HWND owner, std::string_view gbkCaption, int clientWidth, int clientHeight,
              WNDPROC proc, void* state);

// Ends the modal loop of the window and destroys it.
void EndModal(HWND window);

// The state pointer passed to RunModal.
template <class T>
T* ModalState(HWND window) {
  return reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace tl::app
