// The window kit as a person uses it: Tab, Enter and Esc in a modal window,
// a modeless tool window whose keys never reach the main window's
// shortcuts, and controls placed for the window's DPI.
#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include "app/exit_dialog.h"
#include "app/kit_window.h"
#include "app/sheet_session.h"
#include "app/win_host.h"
#include "app/window_helpers_win.h"

namespace tl::app {
namespace {

using testing::Pump;

// A loaded machine can take seconds to show a window under Wine. When it
// never comes, the waiting thread ends the modal loop, so that the test fails
// instead of hanging.
HWND WaitForWindow(const wchar_t* title, DWORD testThread) {
  if (HWND window = testing::WaitForWindow(title, 30000)) return window;
  PostThreadMessageW(testThread, WM_QUIT, 0, 0);
  return nullptr;
}

void PostKey(HWND target, WPARAM key) {
  PostMessageW(target, WM_KEYDOWN, key, 0);
  PostMessageW(target, WM_KEYUP, key, 0xC0000000);
}

struct ExitRow {
  WPARAM key;       // pressed on the focused control
  bool answer;      // ConfirmExit's answer
  int exitSetting;  // 退出设置 afterwards ("记住设置" is checked first)
};

TEST(KitWindow, ExitConfirmationTakesEnterAndEsc) {
  const ExitRow rows[] = {
      {VK_RETURN, true, 1},   // the default button "直接退出"
      {VK_ESCAPE, false, 0},  // closes the window: no answer, nothing remembered
  };
  for (const ExitRow& row : rows) {
    settings::Settings settings;
    const DWORD testThread = GetCurrentThreadId();
    std::thread user([&] {
      HWND window = WaitForWindow(L"是否要直接退出！", testThread);
      if (!window) return;
      HWND remember = FindWindowExW(window, nullptr, L"BUTTON", L"记住设置");
      SendMessageW(remember, BM_SETCHECK, BST_CHECKED, 0);
      PostKey(remember, row.key);
    });
    bool answer = ConfirmExit(nullptr, settings);
    user.join();
    EXPECT_EQ(answer, row.answer) << row.key;
    EXPECT_EQ(settings.退出设置, row.exitSetting) << row.key;
  }
}

enum : int { kField = 10, kSecondField = 11 };
constexpr ControlRow kToolControls[] = {
    {ControlKind::Field, "", 10, 10, 200, 24, kField},
    {ControlKind::Field, "", 10, 44, 200, 24, kSecondField, "提示"},
    {ControlKind::Button, "确定", 10, 80, 90, 28, IDOK},
};
constexpr WindowDesign kToolWindow{"工具", 220, 120, kToolControls};

struct ToolState {
  bool* freed;
  ~ToolState() { *freed = true; }
};

LRESULT CALLBACK ToolProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

TEST(KitWindow, ToolWindowKeepsItsKeysAndFreesItsState) {
  HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                               nullptr, nullptr, nullptr);
  HWND ownerChild =
      CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 10, 10, owner, nullptr, nullptr, nullptr);
  ToolWindows tools;
  bool freed = false;
  HWND tool = OpenToolWindow(owner, tools, Tool::Find, kToolWindow, ToolProc,
                             std::make_unique<ToolState>(ToolState{&freed}));
  ASSERT_NE(tool, nullptr);
  EXPECT_EQ(tools[Tool::Find], tool);
  EXPECT_EQ(GetWindow(tool, GW_OWNER), owner);
  bool secondFreed = false;
  EXPECT_EQ(OpenToolWindow(owner, tools, Tool::Find, kToolWindow, ToolProc,
                           std::make_unique<ToolState>(ToolState{&secondFreed})),
            tool)
      << "one window of each tool";
  EXPECT_TRUE(secondFreed);

  HWND field = GetDlgItem(tool, kField);
  MSG keyInField{field, WM_KEYDOWN, 'C', 0, 0, {}};
  EXPECT_FALSE(IsMainWindowMessage(owner, keyInField)) << "Ctrl+C in a tool field is the field's";
  EXPECT_TRUE(IsMainWindowMessage(owner, MSG{ownerChild, WM_KEYDOWN, 'C', 0, 0, {}}));
  EXPECT_TRUE(IsMainWindowMessage(owner, MSG{owner, WM_KEYDOWN, 'C', 0, 0, {}}));

  // Tab in the first field moves to the second through the tool's dialog keys.
  SetFocus(field);
  MSG tab{field, WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_TRUE(RouteToolWindowMessage(tools, tab));
  Pump();
  EXPECT_EQ(GetFocus(), GetDlgItem(tool, kSecondField));
  MSG ownerKey{ownerChild, WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_FALSE(RouteToolWindowMessage(tools, ownerKey));

  // Esc closes it: the state is freed and the entry cleared.
  MSG escape{GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
  EXPECT_TRUE(RouteToolWindowMessage(tools, escape));
  Pump();
  EXPECT_FALSE(IsWindow(tool));
  EXPECT_EQ(tools[Tool::Find], nullptr);
  EXPECT_TRUE(freed);
  DestroyWindow(owner);
}

// A key that closed a tool window (Esc, Enter on "确定") or a dialog is
// released over the main window, whose worksheet must not take that release.
TEST(KeyPresses, AReleaseOverTheMainWindowNeedsItsPressThere) {
  const struct {
    UINT kind;
    WPARAM key;
    bool forMainWindow, admitted;
  } steps[] = {
      {WM_KEYDOWN, VK_ESCAPE, false, true}, {WM_KEYUP, VK_ESCAPE, true, false},
      {WM_KEYDOWN, VK_RETURN, true, true},  {WM_KEYUP, VK_RETURN, true, true},
      {WM_KEYUP, VK_RETURN, true, false},   {WM_SYSKEYDOWN, VK_MENU, false, true},
      {WM_SYSKEYUP, VK_MENU, true, false},  {WM_SYSKEYDOWN, VK_MENU, true, true},
      {WM_SYSKEYUP, VK_MENU, true, true},   {WM_KEYDOWN, 'A', true, true},
      {WM_KEYUP, 'A', false, true},         {WM_KEYUP, 'A', true, false},
      {WM_CHAR, 'a', true, true},
  };
  KeyPresses presses;
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    const MSG message{nullptr, steps[i].kind, steps[i].key, 0, 0, {}};
    EXPECT_EQ(presses.Admit(message, steps[i].forMainWindow), steps[i].admitted) << "step " << i;
  }
}

TEST(KitWindow, ControlsArePlacedForTheDpi) {
  HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr,
                                nullptr, nullptr);
  CreateControls(parent, kToolControls, 144);
  RECT r;
  HWND button = GetDlgItem(parent, IDOK);
  GetWindowRect(button, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 15);
  EXPECT_EQ(r.top, 120);
  EXPECT_EQ(r.right - r.left, 135);
  EXPECT_EQ(r.bottom - r.top, 42);
  PlaceControls(parent, kToolControls, 96);
  GetWindowRect(button, &r);
  EXPECT_EQ(r.right - r.left, 90);
  EXPECT_EQ(DefaultButtonId(kToolControls), 0);
  DestroyWindow(parent);
}

struct StyleRow {
  sheet::MessageBoxButtons buttons;
  sheet::MessageBoxIcon icon;
  sheet::MessageBoxAnswer defaultAnswer;
  UINT style;
};

TEST(WinHost, MessageBoxStyleFollowsTheRequest) {
  using B = sheet::MessageBoxButtons;
  using I = sheet::MessageBoxIcon;
  using A = sheet::MessageBoxAnswer;
  const StyleRow rows[] = {
      {B::Ok, I::None, A::Ok, MB_OK | MB_DEFBUTTON1},
      {B::OkCancel, I::Question, A::Cancel, MB_OKCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2},
      {B::YesNo, I::Warning, A::No, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2},
      {B::YesNo, I::Error, A::Cancel, MB_YESNO | MB_ICONERROR | MB_DEFBUTTON1},
      {B::YesNoCancel, I::Information, A::Cancel,
       MB_YESNOCANCEL | MB_ICONINFORMATION | MB_DEFBUTTON3},
  };
  for (const StyleRow& row : rows) {
    sheet::MessageBoxRequest request;
    request.buttons = row.buttons;
    request.icon = row.icon;
    request.defaultAnswer = row.defaultAnswer;
    EXPECT_EQ(MessageBoxStyle(request), row.style) << static_cast<int>(row.buttons);
  }
}

}  // namespace
}  // namespace tl::app
