#include "app/window_helpers_win.h"

namespace tl::app::testing {

bool WaitUntil(const std::function<bool()>& done, DWORD ms) {
  for (DWORD waited = 0; waited < ms; waited += 50, Sleep(50))
    if (done()) return true;
  return done();
}

HWND WaitForWindow(const wchar_t* title, DWORD ms) {
  HWND window = nullptr;
  const bool shown = WaitUntil(
      [&] {
        window = FindWindowW(nullptr, title);
        return window && IsWindowVisible(window);
      },
      ms);
  return shown ? window : nullptr;
}

bool WaitUntilGone(HWND window, DWORD ms) {
  return WaitUntil([window] { return !IsWindow(window); }, ms);
}

std::wstring Text(HWND window) {
  const auto length = static_cast<std::size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(length + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

std::wstring ClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace tl::app::testing
