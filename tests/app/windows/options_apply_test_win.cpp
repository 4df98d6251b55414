// What "确定" of the options dialog does to the main window, on a main
// window made in the test's own process so that its menus can be read.
#include "app/windows/options_apply.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/frame/edit_hook.h"
#include "app/frame/hot_key.h"
#include "app/frame/menu_states.h"
#include "app/frame/word_wrap.h"

namespace tl::app {
namespace {

using sheet::Command;

// The part of the main window's procedure the edit box needs: its changes
// reach the worksheet.
LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (state && message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE &&
      reinterpret_cast<HWND>(lParam) == state->editBox)
    state->session->OnControlChanged();
  return DefWindowProcW(window, message, wParam, lParam);
}

class MainWindowInProcess {
 public:
  MainWindowInProcess() {
    WNDCLASSEXW c{};
    c.cbSize = sizeof c;
    c.lpfnWndProc = FrameProc;
    c.hInstance = GetModuleHandleW(nullptr);
    c.lpszClassName = L"OptionsApplyTestFrame";
    RegisterClassExW(&c);
    main.settings.动态刷新 = false;
    main.window = CreateWindowExW(0, c.lpszClassName, L"Tallyline", WS_OVERLAPPEDWINDOW, 0, 0, 500,
                                  300, nullptr, nullptr, c.hInstance, nullptr);
    SetWindowLongPtrW(main.window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&main));
    main.menus = BuildMenus();
    SetMenu(main.window, main.menus.bar);
    main.editBox = CreateWorksheetEditBox(main.window, 100, false);
    main.font = CreateFontW(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, L"Times New Roman");
    SendMessageW(main.editBox, WM_SETFONT, reinterpret_cast<WPARAM>(main.font), FALSE);
    main.session = std::make_unique<SheetSession>(
        HostWindows{main.window, main.editBox, nullptr}, [](int) {}, main.settings,
        [](WinEditBox&) {});
    HookEditBox(main);
  }
  ~MainWindowInProcess() {
    UnregisterShowHideHotKey(main.window, main.hotKeyId);
    UnhookEditBox(main);
    main.session.reset();
    SetMenu(main.window, nullptr);
    DestroyMenus(main.menus);
    DestroyWindow(main.window);
    DeleteObject(main.font);
  }

  void Type(std::wstring_view text) {
    for (wchar_t c : text) SendMessageW(main.editBox, WM_CHAR, c, 1);
  }
  std::wstring Text() const {
    wchar_t text[256] = {};
    GetWindowTextW(main.editBox, text, 256);
    return text;
  }

  MainWindow main;
};

bool Has(HMENU root, Command command) {
  return GetMenuState(root, CommandId(command), MF_BYCOMMAND) != static_cast<UINT>(-1);
}

UINT StateOf(HMENU root, Command command) {
  return GetMenuState(root, CommandId(command), MF_BYCOMMAND);
}

TEST(ApplyOptions, WordWrapMakesTheEditBoxAgainKeepingWhatItHad) {
  MainWindowInProcess w;
  w.Type(L"12*3");
  ASSERT_EQ(w.Text(), L"12×3");
  HWND old = w.main.editBox;
  SendMessageW(old, EM_SETSEL, 1, 3);
  for (bool wrap : {true, false}) {
    w.main.settings.自动折回 = wrap;
    ApplyOptions(w.main);
    HWND edit = w.main.editBox;
    EXPECT_FALSE(IsWindow(old));
    EXPECT_EQ((GetWindowLongPtrW(edit, GWL_STYLE) & ES_AUTOHSCROLL) == 0, wrap);
    EXPECT_EQ(w.Text(), L"12×3");
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 1u);
    EXPECT_EQ(end, 3u);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)), w.main.font);
    old = edit;
  }
  // The hook and the worksheet's undo history go on over the new control.
  SendMessageW(w.main.editBox, EM_SETSEL, 4, 4);
  w.Type(L"*");
  EXPECT_EQ(w.Text(), L"12×3×");
  w.main.session->Execute(Command::Undo);
  EXPECT_EQ(w.main.session->Edit().Text(), "12×3");
}

TEST(ApplyOptions, TopmostHotKeyMenusLiveModeAndEscFollowTheSettings) {
  MainWindowInProcess w;
  settings::Settings& s = w.main.settings;
  HMENU edit = GetSubMenu(w.main.menus.bar, 1);
  for (bool on : {true, false, true}) {
    s.窗口前置 = on;
    s.热键状态 = on;
    s.乘除替换 = on;
    s.动态刷新 = on;
    s.按esc退出 = on;
    ApplyOptions(w.main);
    OnInitMenuPopup(w.main, edit);  // the menus show the options when they open
    EXPECT_EQ((GetWindowLongPtrW(w.main.window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, on);
    EXPECT_EQ(w.main.hotKeyId != 0, on);
    EXPECT_EQ(w.main.escClosesWindow, !on);
    EXPECT_EQ(Has(w.main.menus.bar, Command::CopyCompatible), on);
    EXPECT_EQ(Has(w.main.menus.context, Command::CopyCompatible), on);
    EXPECT_EQ((StateOf(w.main.menus.bar, Command::LiveMode) & MF_CHECKED) != 0, on);
    EXPECT_EQ((StateOf(w.main.menus.bar, Command::Record) & MF_GRAYED) != 0, on);
  }
  // Shown again in its place, after "&C.复制".
  for (HMENU menu : {edit, w.main.menus.context}) {
    int copy = -1;
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
      if (GetMenuItemID(menu, i) == CommandId(Command::Copy)) copy = i;
    ASSERT_GE(copy, 0);
    EXPECT_EQ(GetMenuItemID(menu, copy + 1), CommandId(Command::CopyCompatible));
  }
}

// The right-click menu's view items show the window's state as they open.
TEST(ContextMenu, ViewItemsAreCheckedAsTheWindowIs) {
  MainWindowInProcess w;
  HMENU view = nullptr;
  for (int i = 0; i < GetMenuItemCount(w.main.menus.context); ++i)
    if (HMENU sub = GetSubMenu(w.main.menus.context, i); sub && Has(sub, Command::ViewStatusBar))
      view = sub;
  ASSERT_NE(view, nullptr);
  settings::Settings& s = w.main.settings;
  struct Row {
    bool statusBar, menuBar, titleBar, fullScreen;
  };
  for (const Row row : {Row{true, false, true, false}, Row{false, true, false, true}}) {
    s.状态栏状态 = row.statusBar;
    s.菜单栏状态 = row.menuBar;
    s.标题栏状态 = row.titleBar;
    w.main.fullScreenChecked = row.fullScreen;
    OnInitMenuPopup(w.main, view);
    EXPECT_EQ((StateOf(view, Command::ViewStatusBar) & MF_CHECKED) != 0, row.statusBar);
    EXPECT_EQ((StateOf(view, Command::ViewMenuBar) & MF_CHECKED) != 0, row.menuBar);
    EXPECT_EQ((StateOf(view, Command::ViewTitleBar) & MF_CHECKED) != 0, row.titleBar);
    EXPECT_EQ((StateOf(view, Command::ViewFullScreen) & MF_CHECKED) != 0, row.fullScreen);
  }
}

}  // namespace
}  // namespace tl::app
