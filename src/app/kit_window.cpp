#include "app/kit_window.h"

#include "app/dpi.h"
#include "app/win_text.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace tl::app {

namespace {

constexpr wchar_t kKitClass[] = L"TallylineKitWindow";
constexpr wchar_t kKitProperty[] = L"TallylineKit";

// What the kit keeps for one window, as a window property; the window's own
// state is in GWLP_USERDATA.
struct KitRecord {
  const WindowDesign* design;
  WNDPROC proc;
  void* state;
  void (*release)(void*);  // frees `state`; null when the caller owns it
  HWND* slot;              // the tool window entry to clear, or null
  int dpi;
  bool modalEnded = false;
};

KitRecord* RecordOf(HWND window) {
  return static_cast<KitRecord*>(GetPropW(window, kKitProperty));
}

void Close(HWND window, KitRecord& record) {
  if (record.slot)
    DestroyWindow(window);
  else
    EndModal(window);
}

LRESULT MsgDpiChanged(HWND window, KitRecord& record, WPARAM wParam, LPARAM lParam) {
  record.dpi = HIWORD(wParam);
  const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
  SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
               suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  PlaceControls(window, record.design->controls, record.dpi);
  return CallWindowProcW(record.proc, window, WM_DPICHANGED, wParam, lParam);
}

bool HasCancelControl(const WindowDesign& design) {
  for (const ControlRow& control : design.controls)
    if (control.id == IDCANCEL) return true;
  return false;
}

LRESULT MsgNcDestroy(HWND window, KitRecord* record, WPARAM wParam, LPARAM lParam) {
  LRESULT result = CallWindowProcW(record->proc, window, WM_NCDESTROY, wParam, lParam);
  RemovePropW(window, kKitProperty);
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  if (record->slot) *record->slot = nullptr;
  if (record->release) record->release(record->state);
  delete record;
  return result;
}

// Stores the records before the window's procedure sees WM_CREATE, creates
// the table's controls, then hands every message to that procedure.
LRESULT CALLBACK KitProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    // From here on the window owns its record and frees it in WM_NCDESTROY.
    auto* owned = static_cast<std::unique_ptr<KitRecord>*>(
        reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    KitRecord* record = owned->release();
    SetPropW(window, kKitProperty, record);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(record->state));
  }
  KitRecord* record = RecordOf(window);
  if (!record) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_CREATE:
      CreateControls(window, record->design->controls, record->dpi,
                     record->design->balloonTooltips);
      break;
    case DM_GETDEFID:
      if (int id = DefaultButtonId(record->design->controls)) return MAKELRESULT(id, DC_HASDEFID);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL && !HasCancelControl(*record->design)) {
        PostMessageW(window, WM_CLOSE, 0, 0);
        return 0;
      }
      break;
    case WM_CLOSE:
      CallWindowProcW(record->proc, window, message, wParam, lParam);
      Close(window, *record);
      return 0;
    case WM_DPICHANGED:
      return MsgDpiChanged(window, *record, wParam, lParam);
    case WM_NCDESTROY:
      return MsgNcDestroy(window, record, wParam, lParam);
    default:
      break;
  }
  return CallWindowProcW(record->proc, window, message, wParam, lParam);
}

void RegisterKitClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW c{};
  c.cbSize = sizeof c;
  c.style = CS_DBLCLKS;
  c.lpfnWndProc = KitProc;
  c.hInstance = GetModuleHandleW(nullptr);
  c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  c.lpszClassName = kKitClass;
  registered = RegisterClassExW(&c) != 0;
}

// Creates the window centred on its owner (on the screen when the owner is
// hidden or minimised), sized for the owner's DPI. The window takes the
// record over as soon as it exists; when it never did, the record stays
// with the caller.
HWND CreateKitWindow(HWND owner, std::unique_ptr<KitRecord>& owned, DWORD exStyle) {
  RegisterKitClass();
  const KitRecord* record = owned.get();
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  RECT frame{0, 0, Scaled(record->design->clientWidth, record->dpi),
             Scaled(record->design->clientHeight, record->dpi)};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  int width = frame.right - frame.left;
  int height = frame.bottom - frame.top;
  RECT ownerRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (owner && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &ownerRect);
  int x = (ownerRect.left + ownerRect.right - width) / 2;
  int y = (ownerRect.top + ownerRect.bottom - height) / 2;
  return CreateWindowExW(exStyle, kKitClass, Wide(record->design->caption).c_str(), style, x, y,
                         width, height, owner, nullptr, GetModuleHandleW(nullptr), &owned);
}

}  // namespace

int KitDpi(HWND window) {
  KitRecord* record = RecordOf(window);
  return record ? record->dpi : WindowDpi(window);
}

void RunModal(HWND owner, const WindowDesign& design, WNDPROC proc, void* state) {
  auto owned = std::make_unique<KitRecord>(
      KitRecord{&design, proc, state, nullptr, nullptr, WindowDpi(owner)});
  HWND window = CreateKitWindow(owner, owned, WS_EX_DLGMODALFRAME | design.exStyle);
  if (!window) return;
  if (owner) EnableWindow(owner, FALSE);
  ShowWindow(window, SW_SHOW);
  MSG message;
  while (IsWindow(window) && !RecordOf(window)->modalEnded) {
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
  if (IsWindow(window)) DestroyWindow(window);
  if (owner) SetActiveWindow(owner);
}

void EndModal(HWND window) {
  if (KitRecord* record = RecordOf(window)) record->modalEnded = true;
  PostMessageW(window, WM_NULL, 0, 0);  // wake the modal loop
}

HWND OpenToolWindowErased(HWND owner, ToolWindows& tools, Tool tool, const WindowDesign& design,
                          WNDPROC proc, void* state, void (*release)(void*)) {
  // A window that never activates is shown without taking the focus.
  const bool activates = !(design.exStyle & WS_EX_NOACTIVATE);
  if (HWND open = tools[tool]) {
    release(state);
    ShowWindow(open, activates ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE);
    if (activates) SetForegroundWindow(open);
    return open;
  }
  auto owned = std::make_unique<KitRecord>(
      KitRecord{&design, proc, state, release, &tools[tool], WindowDpi(owner)});
  HWND window = CreateKitWindow(owner, owned, design.exStyle);
  // A window that failed after it existed freed the state as it went.
  if (!window && owned) release(state);
  if (!window) return nullptr;
  tools[tool] = window;
  ShowWindow(window, activates ? SW_SHOW : SW_SHOWNOACTIVATE);
  return window;
}

}  // namespace tl::app
