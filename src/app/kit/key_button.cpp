#include "app/kit/key_button.h"

#include <windowsx.h>

#include <string>

namespace tl::app {

namespace {

constexpr wchar_t kKeyButtonClass[] = L"TallylineKeyButton";

struct KeyButton {
  HFONT font = nullptr;
  bool tracking = false;  // the left button went down on it and is still down
  bool pushed = false;    // drawn pressed: tracking with the mouse over it
};

KeyButton* ButtonOf(HWND window) {
  return reinterpret_cast<KeyButton*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

bool MouseOver(HWND window, LPARAM lParam) {
  RECT client;
  GetClientRect(window, &client);
  return PtInRect(&client, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) != FALSE;
}

void Notify(HWND window, WORD code) {
  SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), code),
               reinterpret_cast<LPARAM>(window));
}

void SetPushed(HWND window, KeyButton& button, bool pushed) {
  if (button.pushed == pushed) return;
  button.pushed = pushed;
  InvalidateRect(window, nullptr, FALSE);
}

void MsgPaint(HWND window, const KeyButton& button) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT r;
  GetClientRect(window, &r);
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (button.pushed ? DFCS_PUSHED : 0));
  if (button.pushed) OffsetRect(&r, 1, 1);
  const int length = GetWindowTextLengthW(window);
  std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(window, caption.data(), length + 1);
  HGDIOBJ oldFont = SelectObject(dc, button.font ? button.font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  DrawTextW(dc, caption.c_str(), length, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, oldFont);
  EndPaint(window, &paint);
}

void MsgLeftButtonUp(HWND window, KeyButton& button, LPARAM lParam) {
  if (!button.tracking) return;
  const bool over = MouseOver(window, lParam);
  ReleaseCapture();  // ends the tracking and the pushed look
  Notify(window, over ? kKeyClicked : kKeyReleasedElsewhere);
}

LRESULT CALLBACK KeyButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE)
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new KeyButton));
  KeyButton* button = ButtonOf(window);
  if (!button) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_LBUTTONDOWN:
      SetCapture(window);
      button->tracking = true;
      SetPushed(window, *button, true);
      return 0;
    case WM_MOUSEMOVE:
      if (button->tracking) SetPushed(window, *button, MouseOver(window, lParam));
      return 0;
    case WM_LBUTTONUP:
      MsgLeftButtonUp(window, *button, lParam);
      return 0;
    case WM_CAPTURECHANGED:
      button->tracking = false;
      SetPushed(window, *button, false);
      return 0;
    case WM_RBUTTONUP:
      Notify(window, kKeyRightReleased);
      return 0;
    case WM_SETFONT:
      button->font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) InvalidateRect(window, nullptr, FALSE);
      return 0;
    case WM_SETTEXT: {
      LRESULT result = DefWindowProcW(window, message, wParam, lParam);
      InvalidateRect(window, nullptr, FALSE);
      return result;
    }
    case WM_ERASEBKGND:
      return 1;  // the face covers all of it
    case WM_PAINT:
      MsgPaint(window, *button);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      delete button;
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterKeyButtonClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW c{};
  c.cbSize = sizeof c;
  c.lpfnWndProc = KeyButtonProc;
  c.hInstance = GetModuleHandleW(nullptr);
  c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  c.lpszClassName = kKeyButtonClass;
  registered = RegisterClassExW(&c) != 0;
}

}  // namespace

HWND CreateKeyButton(HWND parent, int id) {
  RegisterKeyButtonClass();
  return CreateWindowExW(WS_EX_NOPARENTNOTIFY, kKeyButtonClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0,
                         0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

}  // namespace tl::app
