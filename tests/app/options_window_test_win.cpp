// The options dialog in the real program: opened with Ctrl+K, its controls
// read back, changed, confirmed or cancelled, as the main window sees it.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "app/options_rows.h"
#include "app/program_process_win.h"
#include "app/win_text.h"
#include "app/window_helpers_win.h"

namespace tl::app::testing {
namespace {

using settings::Option;

constexpr wchar_t kTitle[] = L"快捷设置";

// Ctrl and a key from the keyboard, as a person presses them in `window`.
void PressCtrl(HWND window, WORD key) {
  SetForegroundWindow(window);
  INPUT keys[4] = {};
  const WORD sequence[4] = {VK_CONTROL, key, key, VK_CONTROL};
  for (int i = 0; i < 4; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = sequence[i];
    keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
  }
  SendInput(4, keys, sizeof keys[0]);
}

// The open dialog of a running program, driven by messages to its controls.
class Dialog {
 public:
  explicit Dialog(const ProgramProcess& program) {
    PressCtrl(program.MainWindow(), 'K');
    window_ = WaitForWindow(kTitle);
    frame_ = GetDlgItem(window_, kOptionsFrame);
    panel_ = GetDlgItem(frame_, kOptionsPanel);
  }
  HWND Window() const { return window_; }
  HWND Control(Option option) const {
    HWND control = GetDlgItem(panel_, ControlId(option));
    return control ? control : GetDlgItem(window_, ControlId(option));
  }
  bool Checked(Option option) const {
    return SendMessageW(Control(option), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  void Click(Option option) const { SendMessageW(Control(option), BM_CLICK, 0, 0); }
  // A click into a field, which takes the focus.
  void ClickIn(Option option) const {
    SendMessageW(Control(option), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageW(Control(option), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  }
  int Selection(Option option) const {
    return static_cast<int>(SendMessageW(Control(option), CB_GETCURSEL, 0, 0));
  }
  std::wstring Text(Option option) const { return TextOf(Control(option)); }
  void SetText(Option option, const wchar_t* text) const {
    SendMessageW(Control(option), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  }
  // Presses "确定" or "取消"; true when the dialog closed.
  bool Press(int id) const {
    PostMessageW(GetDlgItem(window_, id), BM_CLICK, 0, 0);
    return WaitUntilGone(window_);
  }
  // The panel's top edge in the frame, and the chosen tab.
  int PanelTop() const {
    RECT panel, frame;
    GetWindowRect(panel_, &panel);
    GetWindowRect(frame_, &frame);
    return panel.top - frame.top;
  }
  HWND Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &info);
    return info.hwndFocus;
  }
  int Tab() const {
    return static_cast<int>(SendDlgItemMessageW(window_, kOptionsTabs, TCM_GETCURSEL, 0, 0));
  }

  static std::wstring TextOf(HWND control) {
    wchar_t text[128] = {};
    SendMessageW(control, WM_GETTEXT, 128, reinterpret_cast<LPARAM>(text));
    return text;
  }

 private:
  HWND window_ = nullptr;
  HWND frame_ = nullptr;
  HWND panel_ = nullptr;
};

class OptionsWindowTest : public ::testing::Test {
 protected:
  ProgramFolder folder;
};

TEST_F(OptionsWindowTest, OpensWithCtrlKShowingTheFile) {
  folder.WriteConfiguration(
      "[运行设置]\r\n退出设置=2\r\n撤销设置=120\r\n动态刷新=假\r\n[其他设置]\r\n允许多开=真\r\n"
      "[热键设置]\r\n全屏快捷键=真\r\n全屏功能快捷键=4\r\n");
  ProgramProcess program(folder);
  Dialog dialog(program);
  ASSERT_NE(dialog.Window(), nullptr);
  RECT r;
  GetWindowRect(dialog.Window(), &r);
  EXPECT_EQ(r.left, 50);
  EXPECT_EQ(r.top, 50);
  for (const settings::OptionControl& control : settings::OptionControls()) {
    const bool button = control.kind == settings::OptionKind::CheckBox ||
                        control.kind == settings::OptionKind::Radio;
    if (button) {
      EXPECT_EQ(Dialog::TextOf(dialog.Control(control.option)), Wide(control.caption));
    }
  }
  // One control of each kind; the native tests go through every rule.
  EXPECT_TRUE(dialog.Checked(Option::CloseToTray));
  EXPECT_FALSE(dialog.Checked(Option::LiveMode));
  EXPECT_EQ(dialog.Text(Option::UndoCount), L"120");
  EXPECT_EQ(dialog.Selection(Option::FullScreenModifier), 3);  // "Alt"
  EXPECT_FALSE(IsWindowEnabled(dialog.Control(Option::HotKeyModifier)));
  EXPECT_TRUE(IsWindowEnabled(dialog.Control(Option::FullScreenModifier)));
}

TEST_F(OptionsWindowTest, ConfirmWritesTheOptionsInOrderAndAppliesThem) {
  const std::string before =
      "[运行设置]\r\n退出设置=1\r\n动态刷新=假\r\n小数类型=真\r\n[其他设置]\r\n允许多开=真\r\n";
  folder.WriteConfiguration(before);
  ProgramProcess program(folder);
  program.Type(L"1+2");
  Dialog dialog(program);
  ASSERT_NE(dialog.Window(), nullptr);
  for (Option option : {Option::AlwaysOnTop, Option::WordWrap, Option::LiveMode,
                        Option::TimesDivide, Option::CutExcess})
    dialog.Click(option);
  dialog.SetText(Option::Decimals, L"7");
  ASSERT_TRUE(dialog.Press(IDOK));

  EXPECT_EQ(ProgramFolder::Read(folder.Files().configuration),
            "[运行设置]\r\n退出设置=1\r\n动态刷新=假\r\n小数类型=假\r\n双击复制=真\r\n"
            "乘除替换=假\r\n撤销设置=50\r\n边缘隐藏=假\r\n运算精度设置=7\r\n空格分式=假\r\n"
            "笔记本用户=假\r\n换行粘贴结果=假\r\n"
            "[其他设置]\r\n允许多开=真\r\n自动替换=假\r\n自动折回=真\r\n成对括号=假\r\n"
            "分数类型=0\r\n角度制选中=1\r\n窗口前置=真\r\n结果到粘贴板=假\r\n运算换行变量=假\r\n"
            "逗号千分割=0\r\n回车换行=假\r\n记住窗口=真\r\n退出保存=假\r\n按esc退出 =假\r\n"
            "忽略汉字=假\r\n"
            "[热键设置]\r\n热键状态=假\r\n辅助功能快捷键=0\r\n辅助快捷键=112\r\n全屏快捷键=假\r\n"
            "全屏功能快捷键=0\r\n全屏辅助快捷键=112\r\n");
  EXPECT_TRUE(GetWindowLongPtrW(program.MainWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  // Word wrap: a new edit box without a horizontal scroll bar, same text and caret.
  EXPECT_FALSE(GetWindowLongPtrW(program.EditBox(), GWL_STYLE) & (WS_HSCROLL | ES_AUTOHSCROLL));
  EXPECT_EQ(program.EditText().substr(0, 5), L"1+2\r\n");
  EXPECT_EQ(program.Caret(), 3u);
  // Live mode now evaluates while typing; "*" is no longer shown as "×".
  program.Type(L"*2");
  EXPECT_EQ(program.EditText().substr(0, 7), L"1+2*2=5");
  // The adding option is off: Esc now asks the window to close (退出设置 1: it does).
  program.Press(VK_ESCAPE);
  program.DeclineSaving();
  EXPECT_TRUE(program.WaitForExit(10000));
}

TEST_F(OptionsWindowTest, CancelAndTheCloseBoxChangeNothing) {
  const std::string before = "[运行设置]\r\n退出设置=1\r\n[其他设置]\r\n允许多开=真\r\n";
  folder.WriteConfiguration(before);
  ProgramProcess program(folder);
  for (bool closeBox : {false, true}) {
    Dialog dialog(program);
    ASSERT_NE(dialog.Window(), nullptr);
    EXPECT_FALSE(dialog.Checked(Option::AlwaysOnTop)) << "the last cancel kept nothing";
    dialog.Click(Option::AlwaysOnTop);
    dialog.Click(Option::WordWrap);
    if (closeBox)
      PostMessageW(dialog.Window(), WM_CLOSE, 0, 0);
    else
      dialog.Press(IDCANCEL);
    EXPECT_TRUE(WaitUntilGone(dialog.Window()));
    EXPECT_EQ(ProgramFolder::Read(folder.Files().configuration), before);
    EXPECT_FALSE(GetWindowLongPtrW(program.MainWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(GetWindowLongPtrW(program.EditBox(), GWL_STYLE) & ES_AUTOHSCROLL);
  }
  EXPECT_TRUE(program.Close());
}

TEST_F(OptionsWindowTest, TabsAndScrollBarMoveThePanelAndFollowEachOther) {
  folder.WriteConfiguration("[运行设置]\r\n退出设置=1\r\n[其他设置]\r\n允许多开=真\r\n");
  ProgramProcess program(folder);
  Dialog dialog(program);
  ASSERT_NE(dialog.Window(), nullptr);
  HWND tabs = GetDlgItem(dialog.Window(), kOptionsTabs);
  HWND bar = GetDlgItem(dialog.Window(), kOptionsScrollBar);
  const struct {
    bool tabKey;  // an arrow key on the tab strip, else a scroll bar action
    WPARAM code;
    int position;
    int tab;
  } rows[] = {
      {true, VK_RIGHT, 257, 1},
      {false, SB_PAGEDOWN, 592, 1},
      {false, SB_BOTTOM, 960, 3},
      {true, VK_LEFT, 650, 2},
  };
  for (const auto& row : rows) {
    if (row.tabKey)
      SendMessageW(tabs, WM_KEYDOWN, row.code, 0);
    else
      SendMessageW(dialog.Window(), WM_VSCROLL, row.code, reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(dialog.PanelTop(), -row.position - 10) << row.position;
    EXPECT_EQ(dialog.Tab(), row.tab) << row.position;
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), row.position);
  }
  // Ctrl+Tab from the keyboard: the next section, wrapping round.
  PressCtrl(dialog.Window(), VK_TAB);
  for (int i = 0; i < 100 && dialog.Tab() != 3; ++i) Sleep(20);
  EXPECT_EQ(dialog.PanelTop(), -960 - 10);
  EXPECT_EQ(dialog.Focus(), dialog.Control(Option::SmartPaste));
  PressCtrl(dialog.Window(), VK_TAB);
  for (int i = 0; i < 100 && dialog.Tab() != 0; ++i) Sleep(20);
  EXPECT_EQ(dialog.PanelTop(), -10);
  EXPECT_TRUE(dialog.Press(IDCANCEL));
  EXPECT_TRUE(program.Close());
}

TEST_F(OptionsWindowTest, GuardsWhileEditing) {
  folder.WriteConfiguration("[运行设置]\r\n退出设置=1\r\n[其他设置]\r\n允许多开=真\r\n");
  ProgramProcess program(folder);
  Dialog dialog(program);
  ASSERT_NE(dialog.Window(), nullptr);
  // The undo field holds 500 once the focus leaves it.
  dialog.SetText(Option::UndoCount, L"800");
  dialog.ClickIn(Option::UndoCount);
  dialog.ClickIn(Option::Decimals);
  EXPECT_EQ(dialog.Text(Option::UndoCount), L"500");
  // Each "启用" enables its two lists.
  dialog.Click(Option::HotKeyEnabled);
  EXPECT_TRUE(IsWindowEnabled(dialog.Control(Option::HotKeyModifier)));
  EXPECT_TRUE(IsWindowEnabled(dialog.Control(Option::HotKeyKey)));
  EXPECT_FALSE(IsWindowEnabled(dialog.Control(Option::FullScreenKey)));
  dialog.Click(Option::HotKeyEnabled);
  EXPECT_FALSE(IsWindowEnabled(dialog.Control(Option::HotKeyKey)));
  // "记住窗口" unchecked asks for the custom position; cancelling it checks the box again.
  PostMessageW(dialog.Control(Option::RememberWindow), BM_CLICK, 0, 0);
  HWND position = WaitForWindow(L"自定义窗口位置(请勿超出屏幕！)");
  ASSERT_NE(position, nullptr);
  PostMessageW(GetDlgItem(position, IDCANCEL), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntilGone(position));
  SendMessageW(dialog.Window(), WM_NULL, 0, 0);
  EXPECT_TRUE(dialog.Checked(Option::RememberWindow));
  EXPECT_TRUE(dialog.Press(IDCANCEL));
  EXPECT_TRUE(program.Close());
}

}  // namespace
}  // namespace tl::app::testing
