#include "app/word_wrap.h"

#include <string>

namespace tl::app {

namespace {

bool WrapsLines(HWND edit) {
  return !(GetWindowLongPtrW(edit, GWL_STYLE) & ES_AUTOHSCROLL);
}

std::wstring TextOf(HWND edit) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
  return text;
}

// The main window, the worksheet's adapters and the hook move to `edit`.
void SwitchTo(MainWindow& state, HWND edit) {
  UnhookEditBox(state);
  state.editBox = edit;
  state.session->Edit().SetControl(edit);
  state.session->Host().SetEditBox(edit);
  HookEditBox(state);
}

}  // namespace

HWND CreateWorksheetEditBox(HWND parent, int id, bool wordWrap) {
  const DWORD scroll = wordWrap ? WS_VSCROLL : WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL;
  HWND edit = CreateWindowExW(
      WS_EX_CLIENTEDGE, L"EDIT", L"",
      WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL | ES_WANTRETURN | scroll,
      0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
      GetModuleHandleW(nullptr), nullptr);
  if (edit) SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
  return edit;
}

void ApplyWordWrap(MainWindow& state) {
  HWND old = state.editBox;
  if (!old || !state.session || WrapsLines(old) == state.settings.自动折回) return;
  HWND edit = CreateWorksheetEditBox(state.window, GetDlgCtrlID(old), state.settings.自动折回);
  if (!edit) return;  // the old one stays
  // Filled while the main window still listens to the old control, so that
  // the worksheet sees no change of its text.
  SetWindowTextW(edit, TextOf(old).c_str());
  DWORD start = 0, end = 0;
  SendMessageW(old, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  SendMessageW(edit, EM_SETMODIFY, SendMessageW(old, EM_GETMODIFY, 0, 0), 0);
  SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), FALSE);
  SetWindowPos(edit, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  const bool focused = GetFocus() == old;
  SwitchTo(state, edit);
  DestroyWindow(old);
  Layout(state);
  SendMessageW(edit, EM_SETSEL, start, end);
  SendMessageW(edit, EM_SCROLLCARET, 0, 0);
  if (focused) SetFocus(edit);
}

}  // namespace tl::app
