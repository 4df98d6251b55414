#include "app/options_window.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <utility>

#include "app/custom_position_window.h"
#include "app/dpi.h"
#include "app/kit_window.h"
#include "app/options_form_view.h"
#include "app/options_rows.h"
#include "app/win_text.h"
#include "files/file_io.h"
#include "settings/writers.h"
#include "sheet/write_reports.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace tl::app {

namespace {

using settings::Option;
using settings::OptionKind;

constexpr int kScreenPlace = 50;  // left and top of the window on the screen
constexpr int kLineStep = 24;
constexpr int kWheelStep = 72;

struct OptionsWindow {
  OptionsTarget target;
  HWND panel = nullptr;
  int position = 0;          // the panel's scroll position, at 96 DPI
  HWND lastFocus = nullptr;  // given back when the window is activated again
};

const WindowDesign& Design() {
  static const WindowDesign design{"快捷设置", kOptionsWidth, kOptionsHeight,
                                   TheOptionsRows().window};
  return design;
}

int ScrollMaximum() {
  return settings::ScrollMaximum(TheOptionsRows().layout.height, kOptionsFrameHeight);
}

// The panel moves to `position`; the scroll bar and the tab strip follow.
void ScrollTo(HWND window, OptionsWindow& state, int position) {
  state.position = std::clamp(position, 0, ScrollMaximum());
  SetScrollPos(GetDlgItem(window, kOptionsScrollBar), SB_CTL, state.position, TRUE);
  SetWindowPos(state.panel, nullptr, 0, Scaled(settings::PanelTop(state.position), KitDpi(window)),
               0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendDlgItemMessageW(window, kOptionsTabs, TCM_SETCURSEL,
                      static_cast<WPARAM>(settings::TabForScroll(state.position)), 0);
}

void SetUpNavigation(HWND window) {
  HWND tabs = GetDlgItem(window, kOptionsTabs);
  for (std::size_t i = 0; i < settings::kTabCaptions.size(); ++i) {
    std::wstring caption = Wide(settings::kTabCaptions[i]);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nPage = kOptionsFrameHeight;
  info.nMax = ScrollMaximum() + kOptionsFrameHeight - 1;  // positions 0 .. ScrollMaximum()
  SetScrollInfo(GetDlgItem(window, kOptionsScrollBar), SB_CTL, &info, FALSE);
}

// The undo field takes no "-".
LRESULT CALLBACK UndoFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                               DWORD_PTR) {
  if (message == WM_CHAR && settings::UndoFieldRefuses(static_cast<char32_t>(wParam))) return 0;
  if (message == WM_NCDESTROY) RemoveWindowSubclass(field, UndoFieldProc, id);
  return DefSubclassProc(field, message, wParam, lParam);
}

// The undo field loses the focus.
void GuardUndoField(HWND field) {
  const std::string typed = WindowTextGbk(field);
  const std::string limited = settings::LimitUndoField(typed);
  if (limited != typed) SetWindowTextW(field, Wide(limited).c_str());
}

void Create(HWND window, OptionsWindow& state) {
  const int dpi = KitDpi(window);
  SetWindowPos(window, nullptr, Scaled(kScreenPlace, dpi), Scaled(kScreenPlace, dpi), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  HWND frame = GetDlgItem(window, kOptionsFrame);
  CreateControls(frame, TheOptionsRows().panelHolder, dpi);
  state.panel = GetDlgItem(frame, kOptionsPanel);
  CreateControls(state.panel, TheOptionsRows().panel, dpi, /*balloon=*/true);
  SetUpNavigation(window);
  HWND undo = OptionWindow(window, state.panel, Option::UndoCount);
  SetWindowSubclass(undo, UndoFieldProc, 1, 0);
  const OptionsTarget& target = state.target;
  const std::string configuration = files::ReadWholeFile(target.files.configuration).bytes;
  ShowOptionsForm(window, state.panel,
                  settings::LoadOptionsForm(target.session.Settings(), configuration));
  const int end = GetWindowTextLengthW(undo);
  SendMessageW(undo, EM_SETSEL, end, end);
  ScrollTo(window, state, 0);
  state.lastFocus = OptionWindow(window, state.panel, Option::Notebook);
}

void Confirm(HWND window, OptionsWindow& state) {
  // Enter in the undo field confirms without leaving it: guard it as then.
  GuardUndoField(OptionWindow(window, state.panel, Option::UndoCount));
  OptionsTarget& target = state.target;
  settings::Settings& s = target.session.Settings();
  settings::CopyOptionsForm(ReadOptionsForm(window, state.panel), s);
  target.apply();
  sheet::ReportWrite(target.session.Host(), settings::SaveOptions(s, target.files));
  DestroyWindow(window);
}

// "记住窗口" unchecked: the custom position takes its place; cancelling
// that window checks the box again.
void AskCustomPosition(HWND window, OptionsWindow& state, HWND box) {
  if (SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED) return;
  if (!EditCustomWindowPosition(window, state.target.files, state.target.session.Host()))
    SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
}

void Clicked(HWND window, OptionsWindow& state, Option option, HWND control) {
  const bool checked = SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
  for (const settings::OptionControl& other : settings::OptionControls())
    if (other.enabledBy == option)
      EnableWindow(OptionWindow(window, state.panel, other.option), checked);
  if (option == Option::RememberWindow) AskCustomPosition(window, state, control);
  if (settings::ControlOf(option).kind == OptionKind::Radio) SetRadioTabStops(window, state.panel);
}

// A control of the panel got the focus: the panel scrolls to show it.
void FollowFocus(HWND window, OptionsWindow& state, Option option) {
  if (settings::GroupOf(settings::ControlOf(option).group).section == settings::kButtonRow) return;
  ScrollTo(
      window, state,
      settings::ScrollToShow(TheOptionsRows().layout, option, state.position, kOptionsFrameHeight));
}

void OptionCommand(HWND window, OptionsWindow& state, Option option, int code, HWND control) {
  const OptionKind kind = settings::ControlOf(option).kind;
  const bool button = kind == OptionKind::CheckBox || kind == OptionKind::Radio;
  const bool focused = (button && code == BN_SETFOCUS) ||
                       (kind == OptionKind::NumberField && code == EN_SETFOCUS) ||
                       (kind == OptionKind::DropList && code == CBN_SETFOCUS);
  if (focused) FollowFocus(window, state, option);
  if (button && code == BN_CLICKED) Clicked(window, state, option, control);
  if (option == Option::UndoCount && code == EN_KILLFOCUS) GuardUndoField(control);
}

void MsgCommand(HWND window, OptionsWindow& state, WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  if (id == IDOK) {
    Confirm(window, state);
  } else if (id == IDCANCEL) {
    DestroyWindow(window);  // nothing changes
  } else if (auto option = OptionOfId(id)) {
    OptionCommand(window, state, *option, HIWORD(wParam), reinterpret_cast<HWND>(lParam));
  }
}

// The scroll bar's position after one of its actions.
int ScrollTarget(HWND bar, int code, int position) {
  switch (code) {
    case SB_LINEUP:
      return position - kLineStep;
    case SB_LINEDOWN:
      return position + kLineStep;
    case SB_PAGEUP:
      return position - kOptionsFrameHeight;
    case SB_PAGEDOWN:
      return position + kOptionsFrameHeight;
    case SB_TOP:
      return 0;
    case SB_BOTTOM:
      return INT_MAX;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{};
      info.cbSize = sizeof info;
      info.fMask = SIF_TRACKPOS;
      GetScrollInfo(bar, SB_CTL, &info);
      return info.nTrackPos;
    }
    default:
      return position;
  }
}

void MsgScroll(HWND window, OptionsWindow& state, int code, HWND bar) {
  ScrollTo(window, state, ScrollTarget(bar, code, state.position));
}

void MsgWheel(HWND window, OptionsWindow& state, int delta) {
  ScrollTo(window, state, state.position - delta * kWheelStep / WHEEL_DELTA);
}

// A tab chosen: the panel jumps to its section.
void MsgNotify(HWND window, OptionsWindow& state, const NMHDR& header) {
  if (header.idFrom != kOptionsTabs || header.code != TCN_SELCHANGE) return;
  const auto tab = static_cast<int>(SendMessageW(header.hwndFrom, TCM_GETCURSEL, 0, 0));
  ScrollTo(window, state, settings::ScrollForTab(tab));
}

// Ctrl+Tab and Ctrl+PageDown go to the next section, Ctrl+Shift+Tab and
// Ctrl+PageUp to the one before, wherever the focus is; the focus goes to
// the section's first control.
bool MsgKeyPreview(HWND window, OptionsWindow& state, const MSG& key) {
  if (GetKeyState(VK_CONTROL) >= 0) return false;
  int step = 0;
  if (key.wParam == VK_TAB) step = GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
  if (key.wParam == VK_NEXT) step = 1;
  if (key.wParam == VK_PRIOR) step = -1;
  if (step == 0) return false;
  const int count = static_cast<int>(settings::kTabScroll.size());
  const int tab = (settings::TabForScroll(state.position) + step + count) % count;
  ScrollTo(window, state, settings::ScrollForTab(tab));
  for (const settings::OptionControl& control : settings::OptionControls()) {
    if (settings::GroupOf(control.group).section != tab) continue;
    SetFocus(OptionWindow(window, state.panel, control.option));
    break;
  }
  return true;
}

void MsgActivate(HWND window, OptionsWindow& state, WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(window, focus)) state.lastFocus = focus;
  } else if (state.lastFocus && IsWindowEnabled(state.lastFocus)) {
    SetFocus(state.lastFocus);
  } else {
    SetFocus(OptionWindow(window, state.panel, Option::Notebook));
  }
}

void MsgDpiChanged(HWND window, OptionsWindow& state) {
  const int dpi = KitDpi(window);
  PlaceControls(GetDlgItem(window, kOptionsFrame), TheOptionsRows().panelHolder, dpi);
  PlaceControls(state.panel, TheOptionsRows().panel, dpi);
  ScrollTo(window, state, state.position);
}

LRESULT CALLBACK OptionsWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = KitState<OptionsWindow>(window);
  if (!state) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_CREATE:
      Create(window, *state);
      return 0;
    case WM_COMMAND:
      MsgCommand(window, *state, wParam, lParam);
      return 0;
    case WM_NOTIFY:
      MsgNotify(window, *state, *reinterpret_cast<NMHDR*>(lParam));
      return 0;
    case WM_VSCROLL:
      MsgScroll(window, *state, LOWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_MOUSEWHEEL:
      MsgWheel(window, *state, GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    case WM_ACTIVATE:
      MsgActivate(window, *state, wParam);
      return 0;
    case kToolKeyPreview:
      return MsgKeyPreview(window, *state, *reinterpret_cast<const MSG*>(lParam));
    case WM_DPICHANGED:  // after the kit has placed the window's own rows
      MsgDpiChanged(window, *state);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

void OpenOptionsWindow(HWND owner, ToolWindows& tools, OptionsTarget target) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_TAB_CLASSES};
  InitCommonControlsEx(&classes);
  OpenToolWindow(owner, tools, Tool::Options, Design(), OptionsWindowProc,
                 std::make_unique<OptionsWindow>(OptionsWindow{std::move(target)}));
}

}  // namespace tl::app
