#include "app/kit/kit_window.h"

#include "app/kit/dpi.h"
#include "app/kit/win_text.h"

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
  HWND lastFocus = nullptr;  // the control that had the focus when the window was left
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

void FillClientArea(HWND window, const KitRecord& record) {
  if (!record.design->fillId) return;
  RECT client;
  GetClientRect(window, &client);
  MoveWindow(GetDlgItem(window, record.design->fillId), 0, 0, client.right, client.bottom, TRUE);
}

DWORD FrameStyle(const WindowDesign& design) {
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  return design.sizable ? style | WS_THICKFRAME | WS_MAXIMIZEBOX : style;
}

// A sizable window keeps at least half its design size.
void MsgGetMinMaxInfo(HWND window, const KitRecord& record, MINMAXINFO* limits) {
  RECT frame{0, 0, Scaled(record.design->clientWidth / 2, record.dpi),
             Scaled(record.design->clientHeight / 2, record.dpi)};
  AdjustWindowRectEx(&frame, FrameStyle(*record.design), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
  limits->ptMinTrackSize = {frame.right - frame.left, frame.bottom - frame.top};
}

LRESULT MsgDpiChanged(HWND window, KitRecord& record, WPARAM wParam, LPARAM lParam) {
  record.dpi = HIWORD(wParam);
  const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
  SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
               suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  PlaceControls(window, record.design->controls, record.dpi);
  FillClientArea(window, record);
  return CallWindowProcW(record.proc, window, WM_DPICHANGED, wParam, lParam);
}

// As in a dialog box, the control that had the focus gets it back when the
// window is activated again (the default handling focuses the frame, where
// no key reaches a control); the first control the first time.
LRESULT MsgActivate(HWND window, KitRecord& record, WPARAM wParam, LPARAM lParam) {
  HWND focus = GetFocus();
  if (focus && IsChild(window, focus)) record.lastFocus = focus;
  LRESULT result = CallWindowProcW(record.proc, window, WM_ACTIVATE, wParam, lParam);
  if (LOWORD(wParam) == WA_INACTIVE || HIWORD(wParam)) return result;  // left, or minimised
  // A window that put the focus on a control of its own the first time
  // keeps that choice.
  const HWND chosen = GetFocus();
  if (!record.lastFocus && chosen && IsChild(window, chosen)) return result;
  HWND target = record.lastFocus && IsChild(window, record.lastFocus)
                    ? record.lastFocus
                    : GetNextDlgTabItem(window, nullptr, FALSE);
  if (target && GetFocus() != target) SetFocus(target);
  return result;
}

// The button Enter presses: the push button that has the focus, as in a
// dialog box, else the table's default button.
LRESULT DefaultButton(HWND window, const KitRecord& record) {
  HWND focus = GetFocus();
  const bool onButton =
      focus && IsChild(window, focus) &&
      (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON));
  if (onButton) return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
  if (int id = DefaultButtonId(record.design->controls)) return MAKELRESULT(id, DC_HASDEFID);
  return 0;
}

// The dialog manager moves the focus with this message (a label's access
// key focuses the label, then the control after it), as a dialog box does.
void MsgNextControl(HWND window, WPARAM wParam, LPARAM lParam) {
  HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                               : GetNextDlgTabItem(window, GetFocus(), wParam != 0);
  if (!target || !IsChild(window, target)) return;
  SetFocus(target);
  if (SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
    SendMessageW(target, EM_SETSEL, 0, -1);
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
      return DefaultButton(window, *record);
    case WM_NEXTDLGCTL:
      MsgNextControl(window, wParam, lParam);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL && !HasCancelControl(*record->design)) {
        PostMessageW(window, WM_CLOSE, 0, 0);
        return 0;
      }
      break;
    case WM_CLOSE:
      CallWindowProcW(record->proc, window, message, wParam, lParam);
      // The default handling there destroys the window, and the record with it.
      if (KitRecord* open = RecordOf(window)) Close(window, *open);
      return 0;
    case WM_DPICHANGED:
      return MsgDpiChanged(window, *record, wParam, lParam);
    case WM_ACTIVATE:
      return MsgActivate(window, *record, wParam, lParam);
    case WM_SIZE:
      FillClientArea(window, *record);
      break;
    case WM_GETMINMAXINFO:
      if (record->design->sizable)
        MsgGetMinMaxInfo(window, *record, reinterpret_cast<MINMAXINFO*>(lParam));
      break;
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
  const DWORD style = FrameStyle(*record->design);
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
