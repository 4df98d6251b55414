#include "win_host.h"

#include <commctrl.h>

#include <cstring>

#include "win_text.h"

namespace tl::app {

void WinHost::SetStatusText(std::string_view text) {
  SendMessageW(windows_.statusBar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
}

std::string WinHost::StatusText() {
  auto length = LOWORD(SendMessageW(windows_.statusBar, SB_GETTEXTLENGTHW, 0, 0));
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(windows_.statusBar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text.data()));
  text.resize(length);
  return Gbk(text);
}

void WinHost::SetClipboardText(std::string_view text) {
  std::wstring wide = Wide(text);
  if (!OpenClipboard(windows_.main)) return;
  EmptyClipboard();
  std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    std::memcpy(GlobalLock(memory), wide.c_str(), bytes);
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
  }
  CloseClipboard();
}

std::string WinHost::ClipboardText() {
  std::string text;
  if (!OpenClipboard(windows_.main)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = Gbk(wide);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void WinHost::StartEnterTimer(int intervalMs) {
  SetTimer(windows_.main, kEnterTimerId, static_cast<UINT>(intervalMs), nullptr);
}

void WinHost::StopEnterTimer() {
  KillTimer(windows_.main, kEnterTimerId);
}

sheet::MessageBoxAnswer WinHost::ShowMessageBox(const sheet::MessageBoxRequest& request) {
  using sheet::MessageBoxAnswer;
  using sheet::MessageBoxButtons;
  using sheet::MessageBoxIcon;
  UINT type = 0;
  switch (request.buttons) {
    case MessageBoxButtons::Ok:
      type = MB_OK;
      break;
    case MessageBoxButtons::OkCancel:
      type = MB_OKCANCEL;
      break;
    case MessageBoxButtons::YesNo:
      type = MB_YESNO;
      break;
    case MessageBoxButtons::YesNoCancel:
      type = MB_YESNOCANCEL;
      break;
  }
  switch (request.icon) {
    case MessageBoxIcon::None:
      break;
    case MessageBoxIcon::Information:
      type |= MB_ICONINFORMATION;
      break;
    case MessageBoxIcon::Question:
      type |= MB_ICONQUESTION;
      break;
    case MessageBoxIcon::Warning:
      type |= MB_ICONWARNING;
      break;
    case MessageBoxIcon::Error:
      type |= MB_ICONERROR;
      break;
  }
  // The default button: the first unless the request names a later one.
  bool second =
      (request.buttons == MessageBoxButtons::OkCancel &&
       request.defaultAnswer == MessageBoxAnswer::Cancel) ||
      (request.buttons != MessageBoxButtons::Ok && request.defaultAnswer == MessageBoxAnswer::No);
  bool third = request.buttons == MessageBoxButtons::YesNoCancel &&
               request.defaultAnswer == MessageBoxAnswer::Cancel;
  type |= third ? MB_DEFBUTTON3 : second ? MB_DEFBUTTON2 : MB_DEFBUTTON1;
  int answer =
      MessageBoxW(windows_.main, Wide(request.text).c_str(), Wide(request.title).c_str(), type);
  switch (answer) {
    case IDYES:
      return MessageBoxAnswer::Yes;
    case IDNO:
      return MessageBoxAnswer::No;
    case IDCANCEL:
      return MessageBoxAnswer::Cancel;
    default:
      return MessageBoxAnswer::Ok;
  }
}

void WinHost::SetMenuItemState(sheet::Command item, sheet::MenuItemState state) {
  if (!windows_.menus) return;
  SetCommandChecked(*windows_.menus, item, state.checked);
  SetCommandEnabled(*windows_.menus, item, state.enabled && available_(item));
}

void WinHost::SendKey(int key) {
  // A press and a release through the input queue; NumLock goes as the
  // extended key the keyboard sends for it.
  const DWORD extended = key == VK_NUMLOCK ? KEYEVENTF_EXTENDEDKEY : 0;
  INPUT inputs[2] = {};
  for (INPUT& input : inputs) {
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(key);
    input.ki.dwFlags = extended;
  }
  inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof(INPUT));
}

}  // namespace tl::app
