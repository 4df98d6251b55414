#include "app/kit/control_table.h"

#include <commctrl.h>

#include "app/kit/dpi.h"
#include "app/kit/win_text.h"

namespace tl::app {

namespace {

constexpr wchar_t kPaneClass[] = L"TallylineKitPane";

// Notifications of a pane's controls go to the window the pane stands in.
LRESULT CALLBACK PaneProc(HWND pane, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND || message == WM_NOTIFY)
    return SendMessageW(GetParent(pane), message, wParam, lParam);
  return DefWindowProcW(pane, message, wParam, lParam);
}

void RegisterPaneClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW c{};
  c.cbSize = sizeof c;
  c.lpfnWndProc = PaneProc;
  c.hInstance = GetModuleHandleW(nullptr);
  c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  c.lpszClassName = kPaneClass;
  registered = RegisterClassExW(&c) != 0;
}

struct KindInfo {
  ControlKind kind;
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

constexpr KindInfo kKinds[] = {
    {ControlKind::Label, L"STATIC", SS_LEFT, 0},
    {ControlKind::Field, L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
    {ControlKind::Button, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0},
    {ControlKind::DefaultButton, L"BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON, 0},
    {ControlKind::CheckBox, L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0},
    {ControlKind::Radio, L"BUTTON", WS_TABSTOP | BS_AUTORADIOBUTTON, 0},
    {ControlKind::GroupBox, L"BUTTON", BS_GROUPBOX, 0},
    {ControlKind::DropList, L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0},
    {ControlKind::List, L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY, WS_EX_CLIENTEDGE},
    {ControlKind::TextPanel, L"EDIT",
     WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, WS_EX_CLIENTEDGE},
    {ControlKind::Tabs, WC_TABCONTROLW, WS_TABSTOP | TCS_TABS, 0},
    // The dialog keys walk into a control parent's children.
    {ControlKind::Pane, kPaneClass, 0, WS_EX_CONTROLPARENT},
    {ControlKind::VScrollBar, L"SCROLLBAR", SBS_VERT, 0},
};

const KindInfo& InfoOf(ControlKind kind) {
  for (const KindInfo& info : kKinds)
    if (info.kind == kind) return info;
  return kKinds[0];
}

void AddTooltip(HWND tooltips, HWND parent, HWND control, const std::wstring& text) {
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = parent;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<wchar_t*>(text.c_str());
  SendMessageW(tooltips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace

void CreateControls(HWND parent, std::span<const ControlRow> controls, int dpi, bool balloon) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  HWND tooltips = nullptr;
  for (const ControlRow& row : controls) {
    const KindInfo& info = InfoOf(row.kind);
    if (row.kind == ControlKind::Pane) RegisterPaneClass();
    HWND control =
        CreateWindowExW(info.exStyle, info.className, Wide(row.caption).c_str(),
                        WS_CHILD | WS_VISIBLE | info.style | row.style, Scaled(row.x, dpi),
                        Scaled(row.y, dpi), Scaled(row.width, dpi), Scaled(row.height, dpi), parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(UiFont(dpi)), FALSE);
    if (row.tooltip.empty()) continue;
    if (!tooltips) {
      // An owned popup, not a child: the children stay the table's controls.
      tooltips = CreateWindowExW(
          WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
          WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX | (balloon ? TTS_BALLOON : 0), CW_USEDEFAULT,
          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr, instance, nullptr);
      SendMessageW(tooltips, TTM_SETMAXTIPWIDTH, 0, Scaled(300, dpi));
    }
    AddTooltip(tooltips, parent, control, Wide(row.tooltip));
  }
}

void PlaceControls(HWND parent, std::span<const ControlRow> controls, int dpi) {
  // The table's controls are the window's first children, in table order.
  HWND control = GetWindow(parent, GW_CHILD);
  for (const ControlRow& row : controls) {
    if (!control) return;
    SetWindowPos(control, nullptr, Scaled(row.x, dpi), Scaled(row.y, dpi), Scaled(row.width, dpi),
                 Scaled(row.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(UiFont(dpi)), TRUE);
    control = GetWindow(control, GW_HWNDNEXT);
  }
}

int DefaultButtonId(std::span<const ControlRow> controls) {
  for (const ControlRow& row : controls)
    if (row.kind == ControlKind::DefaultButton) return row.id;
  return 0;
}

}  // namespace tl::app
