#include "app/windows/help_window.h"

#include <commctrl.h>

#include <memory>

#include "app/kit/app_icon.h"
#include "app/kit/dpi.h"
#include "app/kit/kit_window.h"
#include "app/kit/win_text.h"
#include "sheet/tools/help_text.h"

namespace tl::app {

namespace {

enum : int { kText = 10 };

constexpr ControlRow kControls[] = {
    {ControlKind::TextPanel, "", 0, 0, 620, 460, kText},
};

constexpr WindowDesign kWindow{.caption = "帮助",
                               .clientWidth = 620,
                               .clientHeight = 460,
                               .controls = kControls,
                               .sizable = true,
                               .fillId = kText};

struct HelpWindow {};

// The text keeps Ctrl+A for itself (the edit control of older systems has no
// Ctrl+A), and leaves Esc, Enter and Tab to the window's dialog keys.
LRESULT CALLBACK TextProc(HWND text, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR) {
  if (message == WM_CHAR && wParam == 1) {  // Ctrl+A
    SendMessageW(text, EM_SETSEL, 0, -1);
    return 0;
  }
  if (message == WM_GETDLGCODE)
    return DefSubclassProc(text, message, wParam, lParam) & ~DLGC_WANTALLKEYS;
  if (message == WM_NCDESTROY) RemoveWindowSubclass(text, TextProc, 0);
  return DefSubclassProc(text, message, wParam, lParam);
}

// Room between the text and the frame, for the window's DPI.
void SetMargins(HWND window) {
  const int margin = Scaled(8, KitDpi(window));
  SendMessageW(GetDlgItem(window, kText), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
               MAKELPARAM(margin, margin));
}

void Create(HWND window) {
  HWND text = GetDlgItem(window, kText);
  SendMessageW(text, EM_SETLIMITTEXT, 0, 0);
  SetMargins(window);
  SetWindowTextW(text, Wide(sheet::HelpText()).c_str());
  SetWindowSubclass(text, TextProc, 0, 0);
  SetWindowIcon(window);
  SetFocus(text);
  SendMessageW(text, EM_SETSEL, 0, 0);
}

LRESULT CALLBACK HelpWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    Create(window);
    return 0;
  }
  if (message == WM_DPICHANGED) {  // the kit has placed the text for the new DPI
    SetMargins(window);
    return 0;
  }
  if (message == WM_SETFOCUS) {  // the window activated: back to the text
    SetFocus(GetDlgItem(window, kText));
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void OpenHelpWindow(HWND owner, ToolWindows& tools) {
  OpenToolWindow(owner, tools, Tool::Help, kWindow, HelpWindowProc, std::make_unique<HelpWindow>());
}

}  // namespace tl::app
