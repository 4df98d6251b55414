#include "modal_window.h"

#include "win_text.h"

namespace tl::app {

namespace {

constexpr wchar_t kModalClass[] = L"TallylineModal";
constexpr wchar_t kEndProperty[] = L"TallylineModalEnd";

struct ModalStart {
  WNDPROC proc;
  void* state;
};

// Stores the caller's state before the caller's procedure sees WM_CREATE,
// then hands every message to that procedure.
LRESULT CALLBACK ModalProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* start =
        static_cast<ModalStart*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(start->state));
    SetPropW(window, L"TallylineModalProc", reinterpret_cast<HANDLE>(start->proc));
  }
  auto proc = reinterpret_cast<WNDPROC>(GetPropW(window, L"TallylineModalProc"));
  if (message == WM_CLOSE) {
    if (proc) CallWindowProcW(proc, window, message, wParam, lParam);
    EndModal(window);
    return 0;
  }
  if (message == WM_NCDESTROY) RemovePropW(window, L"TallylineModalProc");
  return proc ? CallWindowProcW(proc, window, message, wParam, lParam)
              : DefWindowProcW(window, message, wParam, lParam);
}

void RegisterModalClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW c{};
  c.cbSize = sizeof c;
  c.lpfnWndProc = ModalProc;
  c.hInstance = GetModuleHandleW(nullptr);
  c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  c.lpszClassName = kModalClass;
  registered = RegisterClassExW(&c) != 0;
}

}  // namespace

HFONT UiFont() {
  static HFONT font = CreateFontW(-14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                  DEFAULT_PITCH | FF_DONTCARE, L"WenQuanYi Zen Hei");
  return font;
}

HWND AddControl(HWND parent, const wchar_t* className, std::string_view gbkText, DWORD style, int x,
                int y, int width, int height, int id) {
  HWND control =
      CreateWindowExW(0, className, Wide(gbkText).c_str(), WS_CHILD | WS_VISIBLE | style, x, y,
                      width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                      GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(UiFont()), TRUE);
  return control;
}

void RunModal(HWND owner, std::string_view gbkCaption, int clientWidth, int clientHeight,
              WNDPROC proc, void* state) {
  RegisterModalClass();
  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
  int width = frame.right - frame.left;
  int height = frame.bottom - frame.top;
  RECT ownerRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (owner && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &ownerRect);
  int x = (ownerRect.left + ownerRect.right - width) / 2;
  int y = (ownerRect.top + ownerRect.bottom - height) / 2;
  ModalStart start{proc, state};
  HWND window =
      CreateWindowExW(WS_EX_DLGMODALFRAME, kModalClass, Wide(gbkCaption).c_str(), style, x, y,
                      width, height, owner, nullptr, GetModuleHandleW(nullptr), &start);
  if (!window) return;
  if (owner) EnableWindow(owner, FALSE);
  ShowWindow(window, SW_SHOW);
  MSG message;
  while (IsWindow(window) && !GetPropW(window, kEndProperty)) {
    BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0)
        PostQuitMessage(static_cast<int>(message.wParam));  // leave it for the main loop
      break;
    }
    if (!IsDialogMessageW(window, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  if (owner) EnableWindow(owner, TRUE);
  if (IsWindow(window)) {
    RemovePropW(window, kEndProperty);
    DestroyWindow(window);
  }
  if (owner) SetActiveWindow(owner);
}

void EndModal(HWND window) {
  SetPropW(window, kEndProperty, reinterpret_cast<HANDLE>(1));
  PostMessageW(window, WM_NULL, 0, 0);  // wake the modal loop
}

}  // namespace tl::app
