// The status bar's second part: where the caret stands, after every move.
#include "app/frame/caret_place.h"

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "app/frame/main_window_state.h"
#include "app/kit/dpi.h"
#include "sheet/line/line_breaks.h"

namespace tl::app {

namespace {

void ShowChangedCaretPlace(MainWindow& state) {
  DWORD start = 0;
  SendMessageW(state.editBox, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  const CaretShown shown{start, state.session->Edit().Revision()};
  if (shown == state.caretShown) return;
  state.caretShown = shown;
  std::wstring text;
  WinEditBox& box = state.session->Edit();
  if (const auto place = state.caretLocator.Locate(box, box.Caret()))
    text = L"行: " + std::to_wstring(place->line) + L",列: " + std::to_wstring(place->column);
  SendMessageW(state.statusBar, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace

int CaretPartWidth(HWND window) {
  return MulDiv(150, WindowDpi(window), 96);
}

void ShowCaretPlace(MainWindow& state) {
  // Reading the caret sends the edit box messages, which come back here.
  if (!state.session || state.session->Edit().InBatch() || state.showingCaretPlace) return;
  state.showingCaretPlace = true;
  ShowChangedCaretPlace(state);
  state.showingCaretPlace = false;
}

}  // namespace tl::app
