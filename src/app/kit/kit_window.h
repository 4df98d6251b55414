#pragma once
// Windows built from a control table: modal ones, which disable their owner
// while they run as a dialog box does, and modeless tool windows owned by the
// main window. Either way the table's controls exist before the window's
// procedure sees WM_CREATE; Tab, the arrow keys within a group, Enter (the
// table's default button) and Esc work as in a dialog box, also among the
// controls of a pane; Esc and the close box close the window unless the
// table has a control with the id IDCANCEL, which then gets the click; a
// change of DPI places the controls again. A sizable window keeps its fill
// control over the whole client area.
#include <windows.h>

#include <memory>
#include <span>
#include <string_view>

#include "app/kit/control_table.h"
#include "app/kit/tool_windows.h"

namespace tl::app {

struct WindowDesign {
  std::string_view caption;       // GBK
  int clientWidth, clientHeight;  // at 96 DPI
  std::span<const ControlRow> controls;
  bool balloonTooltips = false;
  DWORD exStyle = 0;  // added to the frame's own extended styles
  // A frame the user can resize and maximise, down to half its design size;
  // the control `fillId` (when not 0) then fills the client area.
  bool sizable = false;
  int fillId = 0;
};

// Runs `proc` as a modal window owned by `owner`, centred on it, until it
// calls EndModal or is closed. `state` reaches the procedure through
// GWLP_USERDATA (KitState) from WM_CREATE on.
void RunModal(HWND owner, const WindowDesign& design, WNDPROC proc, void* state);

// Ends the modal loop of the window and destroys it.
void EndModal(HWND window);

// Opens `tool` as a modeless window owned by `owner` and centred on it, or
// brings the open one to the front (then `state` is dropped). A design with
// WS_EX_NOACTIVATE is shown without being activated. The window
// owns `state` and frees it when it is destroyed, which also clears its
// entry in `tools`.
template <class T>
HWND OpenToolWindow(HWND owner, ToolWindows& tools, Tool tool, const WindowDesign& design,
                    WNDPROC proc, std::unique_ptr<T> state);

// The state pointer given to RunModal or OpenToolWindow.
template <class T>
T* KitState(HWND window) {
  return reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// The DPI the window's controls are placed for.
int KitDpi(HWND window);

// Implementation of OpenToolWindow without the state's type.
HWND OpenToolWindowErased(HWND owner, ToolWindows& tools, Tool tool, const WindowDesign& design,
                          WNDPROC proc, void* state, void (*release)(void*));

template <class T>
HWND OpenToolWindow(HWND owner, ToolWindows& tools, Tool tool, const WindowDesign& design,
                    WNDPROC proc, std::unique_ptr<T> state) {
  return OpenToolWindowErased(owner, tools, tool, design, proc, state.release(),
                              [](void* p) { delete static_cast<T*>(p); });
}

}  // namespace tl::app
