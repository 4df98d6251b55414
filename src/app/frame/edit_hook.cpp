// The hook on the worksheet edit box: every key, character and mouse event
// reaches the worksheet in the order Win32 delivers it, before the control.
#include "app/frame/edit_hook.h"

#include <windows.h>

#include <windowsx.h>

#include <optional>

#include "app/frame/commands.h"
#include "app/frame/main_window_state.h"
#include "app/frame/view.h"
#include "app/seams/non_gbk_filter.h"
#include "sheet/worksheet/status_messages.h"
#include "text/encoding.h"

namespace tl::app {

namespace {

constexpr wchar_t kStateProperty[] = L"TallylineMainWindow";

MainWindow* HookState(HWND edit) {
  return static_cast<MainWindow*>(GetPropW(edit, kStateProperty));
}

// A UTF-16 character as the worksheet takes it: ASCII, or a GBK two-byte
// character as lead * 256 + second byte; 0 when GBK has no such character.
sheet::Character ToWorksheetCharacter(wchar_t c) {
  if (c < 0x80) return c;
  std::string gbk = text::Utf16ToGbk(std::u16string(1, static_cast<char16_t>(c)));
  if (gbk.size() != 2) return 0;
  return static_cast<unsigned char>(gbk[0]) * 256u + static_cast<unsigned char>(gbk[1]);
}

void ShowContextMenu(MainWindow& state, LPARAM lParam) {
  POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ClientToScreen(state.editBox, &at);
  UINT id = TrackPopupMenu(state.menus.context, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0,
                           state.window, nullptr);
  SetFocus(state.editBox);
  if (auto command = CommandFromId(id)) RunCommand(state, *command);
}

// Each handler answers the message itself, or returns nothing to let the
// control have it. Each call through the door is one batch: its edits reach
// the control in one piece when it returns, before the control sees the
// message itself.
using Handled = std::optional<LRESULT>;

LRESULT PassOn(MainWindow& state, HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(state.editBoxProc, edit, message, wParam, lParam);
}

// Every paste goes through the worksheet's, which refuses a clipboard text
// holding a character GBK cannot hold: the control's own for Shift+Insert
// and WM_PASTE would let it in.
LRESULT Paste(MainWindow& state) {
  RunCommand(state, sheet::Command::Paste);
  return 0;
}

Handled MsgKeyDown(MainWindow& state, WPARAM wParam) {
  int key = static_cast<int>(wParam);
  if (IsFullScreenKey(state.settings, key, ModifierState())) {
    ToggleFullScreen(state);
    return 0;
  }
  if (key == VK_ESCAPE && state.escClosesWindow) {
    PostMessageW(state.window, WM_CLOSE, 0, 0);
    return 0;
  }
  if (state.session->OnKeyDown(key, ModifierState())) return 0;
  if (key == VK_INSERT && ModifierState() == sheet::kShift) return Paste(state);
  return std::nullopt;
}

// Alt combinations and F10 come as system keys.
Handled MsgSysKeyDown(MainWindow& state, WPARAM wParam) {
  if (!IsFullScreenKey(state.settings, static_cast<int>(wParam), ModifierState()))
    return std::nullopt;
  ToggleFullScreen(state);
  return 0;
}

Handled MsgChar(MainWindow& state, WPARAM wParam) {
  if (IsNonGbkUnit(static_cast<wchar_t>(wParam))) {
    state.session->Host().SetStatusText(sheet::msg::kCharacterRefused);
    return 0;
  }
  sheet::Character c = ToWorksheetCharacter(static_cast<wchar_t>(wParam));
  if (c == 0) return std::nullopt;
  if (state.session->OnCharacter(c)) return 0;
  return std::nullopt;
}

Handled MsgKeyUp(MainWindow& state, WPARAM wParam) {
  state.session->OnKeyUp(static_cast<int>(wParam), ModifierState());
  return std::nullopt;
}

LRESULT MsgLeftButtonDown(MainWindow& state, HWND edit, WPARAM wParam, LPARAM lParam) {
  state.session->OnLeftButtonDown();  // notes the selection before the click moves it
  LRESULT result = PassOn(state, edit, WM_LBUTTONDOWN, wParam, lParam);
  state.session->ShowCaretPosition();
  return result;
}

LRESULT MsgDoubleClick(MainWindow& state) {
  // The worksheet selects by its own rules from the caret the first click
  // set; the control's word selection would move that caret first.
  state.session->OnDoubleClick();
  return 0;
}

LRESULT MsgLeftButtonUp(MainWindow& state, HWND edit, WPARAM wParam, LPARAM lParam) {
  LRESULT result = PassOn(state, edit, WM_LBUTTONUP, wParam, lParam);
  state.session->OnLeftButtonUp(ModifierState());
  return result;
}

Handled MsgMouseMove(MainWindow& state, HWND edit, WPARAM wParam, LPARAM lParam) {
  if (!(wParam & MK_LBUTTON)) return std::nullopt;
  LRESULT result = PassOn(state, edit, WM_MOUSEMOVE, wParam, lParam);
  state.session->ShowCaretPosition();
  return result;
}

Handled MsgMouseWheel(MainWindow& state, WPARAM wParam) {
  if (GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL)
    AdjustWorksheetFontSize(state, GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA);
  return std::nullopt;
}

Handled Dispatch(MainWindow& state, HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
      return MsgKeyDown(state, wParam);
    case WM_SYSKEYDOWN:
      return MsgSysKeyDown(state, wParam);
    case WM_CHAR:
      return MsgChar(state, wParam);
    case WM_KEYUP:
      return MsgKeyUp(state, wParam);
    case WM_LBUTTONDOWN:
      return MsgLeftButtonDown(state, edit, wParam, lParam);
    case WM_LBUTTONDBLCLK:
      return MsgDoubleClick(state);
    case WM_LBUTTONUP:
      return MsgLeftButtonUp(state, edit, wParam, lParam);
    case WM_MOUSEMOVE:
      return MsgMouseMove(state, edit, wParam, lParam);
    case WM_MOUSEWHEEL:
      return MsgMouseWheel(state, wParam);
    case WM_RBUTTONDOWN:
    case WM_CONTEXTMENU:
      return 0;  // the control's own menu is replaced by ours
    case WM_RBUTTONUP:
      ShowContextMenu(state, lParam);
      return 0;
    case WM_PASTE:
      return Paste(state);
    default:
      return std::nullopt;
  }
}

LRESULT CALLBACK EditHookProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  MainWindow* state = HookState(edit);
  if (!state) return DefWindowProcW(edit, message, wParam, lParam);
  std::optional<LRESULT> result;
  if (state->session) result = Dispatch(*state, edit, message, wParam, lParam);
  if (!result) result = PassOn(*state, edit, message, wParam, lParam);
  // A command from the right-click menu may have closed the window.
  if (MainWindow* after = HookState(edit); after && after->session) FollowSheet(*after);
  return *result;
}

}  // namespace

bool IsFullScreenKey(const settings::Settings& s, int key, int modifiers) {
  return s.全屏快捷键 && key == s.全屏辅助快捷键 && modifiers == s.全屏功能快捷键;
}

int ModifierState() {
  int state = 0;
  if (GetKeyState(VK_CONTROL) < 0) state |= sheet::kCtrl;
  if (GetKeyState(VK_SHIFT) < 0) state |= sheet::kShift;
  if (GetKeyState(VK_MENU) < 0) state |= sheet::kAlt;
  return state;
}

void UnhookEditBox(MainWindow& state) {
  if (!state.editBoxProc) return;
  SetWindowLongPtrW(state.editBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(state.editBoxProc));
  RemovePropW(state.editBox, kStateProperty);
  state.editBoxProc = nullptr;
}

void HookEditBox(MainWindow& state) {
  SetPropW(state.editBox, kStateProperty, &state);
  state.editBoxProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(state.editBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditHookProc)));
}

}  // namespace tl::app
