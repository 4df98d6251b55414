// The find, accumulator and number conversion windows of the real program,
// opened by their menu commands and driven through their controls, with the
// sheet read back; characters GBK cannot hold kept out of the sheet; Ctrl+E
// running the item the menus show.
#include <gtest/gtest.h>

#include <string>

#include "app/frame/menus.h"
#include "app/kit/win_text.h"
#include "app/program_process_win.h"
#include "app/window_helpers_win.h"
#include "sheet/worksheet/status_messages.h"

namespace tl::app::testing {
namespace {

using sheet::Command;

std::string Configuration(std::string_view run, std::string_view other = "") {
  return "[运行设置]\r\n退出设置=1\r\n动态刷新=假\r\n" + std::string(run) + "[其他设置]\r\n" +
         std::string(other);
}

// The `index`-th child window of a class, in creation (Tab) order.
HWND Child(HWND window, const wchar_t* className, int index = 0) {
  HWND child = nullptr;
  for (int i = 0; i <= index; ++i) child = FindWindowExW(window, child, className, nullptr);
  return child;
}

HWND Button(HWND window, const wchar_t* caption) {
  return FindWindowExW(window, nullptr, L"BUTTON", caption);
}

void Click(HWND button) {
  SendMessageW(button, BM_CLICK, 0, 0);
}

void SetText(HWND control, const wchar_t* text) {
  SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

// The selection of an edit control as start and end (offsets below 65536).
std::pair<int, int> Selection(HWND edit) {
  const auto packed = static_cast<DWORD>(SendMessageW(edit, EM_GETSEL, 0, 0));
  return {LOWORD(packed), HIWORD(packed)};
}

// The window that has the keyboard focus in the window's thread.
HWND Focus(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

std::wstring ListItem(HWND list, int index) {
  wchar_t text[256] = {};
  SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
  return text;
}

std::vector<int> ItemData(HWND list) {
  std::vector<int> data;
  const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i)
    data.push_back(static_cast<int>(SendMessageW(list, LB_GETITEMDATA, i, 0)));
  return data;
}

void PutOnClipboard(std::wstring_view text) {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  auto* target = static_cast<wchar_t*>(GlobalLock(memory));
  text.copy(target, text.size());
  target[text.size()] = L'\0';
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
}

// The first `length` characters of the sheet.
std::wstring Start(const ProgramProcess& program, std::size_t length) {
  return program.EditText().substr(0, length);
}

class ToolWindowsTest : public ::testing::Test {
 protected:
  ProgramFolder folder;
};

TEST_F(ToolWindowsTest, FindWindowSearchesReplacesAndRemembersItsFields) {
  folder.WriteConfiguration(Configuration(""));
  ProgramProcess program(folder);
  program.Type(L"x1 y1 Z1");
  program.Command(CommandId(Command::FindReplace));
  HWND window = FindWindowW(nullptr, L"查找和替换");
  ASSERT_NE(window, nullptr);
  HWND search = Child(window, L"EDIT", 0);
  HWND replacement = Child(window, L"EDIT", 1);
  HWND next = Button(window, L"下一个(&N)");
  EXPECT_EQ(Focus(window), search);
  EXPECT_FALSE(IsWindowEnabled(next)) << "disabled while the search field is empty";

  SetText(search, L"1");
  EXPECT_TRUE(IsWindowEnabled(next));
  Click(next);  // from the end of the line: none after it, so from the top
  EXPECT_EQ(Selection(program.EditBox()), std::make_pair(1, 2));
  Click(next);
  EXPECT_EQ(Selection(program.EditBox()), std::make_pair(4, 5));
  EXPECT_TRUE(IsChild(window, Focus(window))) << "the window keeps the keyboard";
  Click(Button(window, L"上一个(&P)"));
  EXPECT_EQ(Selection(program.EditBox()), std::make_pair(1, 2));

  SetText(replacement, L"2");
  Click(Button(window, L"替换(&R)"));  // the match after the selection
  EXPECT_EQ(Start(program, 8), L"x1 y2 Z1");
  EXPECT_EQ(Selection(program.EditBox()), std::make_pair(5, 5));

  // "*" types "×"; a token list adds its token to its field and is cleared.
  SetText(replacement, L"");
  SendMessageW(replacement, WM_CHAR, '*', 1);
  EXPECT_EQ(Text(replacement), L"×");
  HWND replacementTokens = Child(window, L"COMBOBOX", 1);
  SendMessageW(replacementTokens, WM_KEYDOWN, VK_DOWN, 1);
  EXPECT_EQ(Text(replacement), L"×#换行符");
  EXPECT_EQ(SendMessageW(replacementTokens, CB_GETCURSEL, 0, 0), CB_ERR);
  Click(Button(window, L"↑↓(&W)"));
  EXPECT_EQ(Text(search), L"×#换行符");
  EXPECT_EQ(Text(replacement), L"1");
  Click(Button(window, L"↑↓(&W)"));

  SetText(search, L"z1");
  SetText(replacement, L"#空格符");
  SendMessageW(Button(window, L"区分大小写(&C)"), BM_SETCHECK, BST_CHECKED, 0);
  Click(Button(window, L"替换全部(&A)"));  // always exact case: Z1 stays
  EXPECT_EQ(Start(program, 8), L"x1 y2 Z1");
  SetText(search, L"1");
  Click(Button(window, L"替换全部(&A)"));
  EXPECT_EQ(Start(program, 8), L"x  y2 Z ");
  EXPECT_EQ(program.Caret(), 0u);

  // A match far down the sheet is scrolled into view.
  HWND edit = program.EditBox();
  const auto farLine = static_cast<WPARAM>(SendMessageW(edit, EM_LINEINDEX, 300, 0));
  SendMessageW(edit, EM_SETSEL, farLine, farLine);
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"farLine"));
  SendMessageW(edit, EM_SETSEL, 0, 0);
  SendMessageW(edit, EM_SCROLLCARET, 0, 0);
  SetText(search, L"farLine");
  Click(next);
  EXPECT_EQ(Selection(edit).first, static_cast<int>(farLine));
  EXPECT_GT(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 250);
  SendMessageW(edit, EM_SETSEL, 0, 0);

  // Cleared, the buttons go grey; closed, the fields are kept as typed.
  Click(FindWindowExW(window, nullptr, L"BUTTON", L"×"));
  EXPECT_EQ(Text(search), L"");
  EXPECT_FALSE(IsWindowEnabled(next));
  SetText(search, L"y");
  SendMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window));
  program.Command(CommandId(Command::FindReplace));
  window = FindWindowW(nullptr, L"查找和替换");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(Text(Child(window, L"EDIT", 0)), L"y");
  EXPECT_EQ(Text(Child(window, L"EDIT", 1)), L"#空格符");
  EXPECT_EQ(SendMessageW(Button(window, L"区分大小写(&C)"), BM_GETCHECK, 0, 0), BST_CHECKED);
  SendMessageW(window, WM_CLOSE, 0, 0);

  // F3 through the accelerators: the remembered text, without the window.
  PostMessageW(program.EditBox(), WM_KEYDOWN, VK_F3, 1);
  EXPECT_TRUE(
      WaitUntil([&] { return Selection(program.EditBox()) == std::make_pair(3, 4); }, 5000));
  EXPECT_TRUE(program.Close());
}

TEST_F(ToolWindowsTest, AccumulatorWindowCombinesTheChosenRecords) {
  folder.WriteConfiguration(Configuration(""));
  ProgramProcess program(folder);
  program.Command(CommandId(Command::Record));
  for (const wchar_t* line : {L"2*3", L"3+1", L"10/2"}) {
    program.Type(line);
    program.Press(VK_RETURN);
  }
  const std::wstring sheet = L"2×3=6\r\n3+1=4\r\n10÷2=5\r\n";
  ASSERT_EQ(Start(program, sheet.size()), sheet);

  program.Command(CommandId(Command::Accumulator));
  HWND window = FindWindowW(nullptr, L"累加器");
  ASSERT_NE(window, nullptr);
  HWND available = Child(window, L"LISTBOX", 0);
  HWND chosen = Child(window, L"LISTBOX", 1);
  EXPECT_EQ(ItemData(available), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(ListItem(available, 1), L"3+1=4");
  EXPECT_EQ(Focus(window), available);
  EXPECT_FALSE(IsWindowEnabled(Child(window, L"EDIT"))) << "the note wants 忽略汉字";

  Click(Button(window, L"确定"));  // nothing chosen: nothing happens
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(Start(program, sheet.size() + 2), sheet + L"\r\n");

  SendMessageW(available, LB_SETCURSEL, 1, 0);
  Click(Button(window, L">"));
  EXPECT_EQ(ItemData(chosen), (std::vector<int>{2}));
  EXPECT_EQ(ListItem(chosen, 0), L"3+1=4");
  EXPECT_EQ(SendMessageW(available, LB_GETCURSEL, 0, 0), 1) << "the next one is selected";
  Click(Button(window, L">>"));
  EXPECT_EQ(ItemData(chosen), (std::vector<int>{2, 1, 3}));
  SendMessageW(chosen, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(ItemData(available), (std::vector<int>{2, 1, 3}));
  SendMessageW(available, LB_SETCURSEL, 0, 0);
  Click(Button(window, L">"));
  Click(Button(window, L">>"));
  SendMessageW(chosen, LB_SETCURSEL, 0, 0);
  Click(Button(window, L"<"));
  Click(Button(window, L"<<"));
  Click(Button(window, L">>"));
  EXPECT_EQ(ItemData(chosen), (std::vector<int>{2, 1, 3}));

  SendMessageW(Child(window, L"COMBOBOX"), CB_SETCURSEL, 3, 0);  // "最大值"
  Click(Button(window, L"确定"));
  EXPECT_FALSE(IsWindow(window));
  const std::wstring combined = L"max(4，6，5)=6\r\n";
  EXPECT_EQ(program.EditText().substr(sheet.size(), combined.size()), combined);

  // "清空记录" empties the accumulator and closes.
  program.Command(CommandId(Command::Accumulator));
  window = FindWindowW(nullptr, L"累加器");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(SendMessageW(Child(window, L"LISTBOX"), LB_GETCOUNT, 0, 0), 4);
  Click(Button(window, L"清空记录(&D)"));
  EXPECT_FALSE(IsWindow(window));
  program.Command(CommandId(Command::Accumulator));
  window = FindWindowW(nullptr, L"累加器");
  ASSERT_NE(window, nullptr);
  available = Child(window, L"LISTBOX", 0);
  chosen = Child(window, L"LISTBOX", 1);
  EXPECT_EQ(SendMessageW(available, LB_GETCOUNT, 0, 0), 0);
  // While open, the lists follow the records: a new one, a chosen one that
  // stays chosen, and the menu's clearing.
  program.Command(CommandId(Command::ClearAll));
  program.Type(L"1+1");
  program.Press(VK_RETURN);
  EXPECT_EQ(ListItem(available, 0), L"1+1=2");
  Click(Button(window, L">>"));
  program.Press(VK_END);
  program.Press(VK_RETURN);
  program.Type(L"2+2");
  program.Press(VK_RETURN);
  EXPECT_EQ(ListItem(chosen, 0), L"1+1=2");
  EXPECT_EQ(ListItem(available, 0), L"2+2=4");
  program.PostCommand(CommandId(Command::ClearAccumulator));
  HWND question = program.WaitForWindow(Wide(sheet::msg::kClearAccumulatorTitle));
  ASSERT_NE(question, nullptr);
  PostMessageW(question, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(WaitUntil([&] { return SendMessageW(available, LB_GETCOUNT, 0, 0) == 0; }, 5000));
  EXPECT_EQ(SendMessageW(available, LB_GETCOUNT, 0, 0) + SendMessageW(chosen, LB_GETCOUNT, 0, 0),
            0);
  Click(Button(window, L"取消"));
  EXPECT_FALSE(IsWindow(window));

  // Live mode records nothing: the window does not open.
  program.Command(CommandId(Command::LiveMode));
  program.Command(CommandId(Command::Accumulator));
  EXPECT_EQ(FindWindowW(nullptr, L"累加器"), nullptr);
  EXPECT_TRUE(program.Close());
}

TEST_F(ToolWindowsTest, NumberWindowConvertsTheSelectionAndEveryChange) {
  folder.WriteConfiguration(Configuration(""));
  ProgramProcess program(folder);
  program.Type(L"123.45 20000000");
  SendMessageW(program.EditBox(), EM_SETSEL, 0, 6);
  program.Command(CommandId(Command::NumberToChinese));
  HWND window = FindWindowW(nullptr, L"数值转大写");
  ASSERT_NE(window, nullptr);
  HWND number = Child(window, L"EDIT", 0);
  HWND upper = Child(window, L"EDIT", 1);
  HWND amount = Child(window, L"EDIT", 2);
  EXPECT_EQ(Text(number), L"123.45");
  EXPECT_EQ(Text(upper), L"壹佰贰拾叁点肆伍");
  EXPECT_EQ(Text(amount), L"壹佰贰拾叁元肆角伍分");
  EXPECT_EQ(Focus(window), number);
  for (HWND output : {upper, amount}) EXPECT_TRUE(GetWindowLongW(output, GWL_STYLE) & ES_READONLY);
  SetText(number, L"100000001");
  EXPECT_EQ(Text(upper), L"壹亿零壹");
  EXPECT_EQ(Text(amount), L"壹亿零壹元整");

  // Opened again on another selection: the same window converts it.
  SendMessageW(program.EditBox(), EM_SETSEL, 7, 15);
  program.Command(CommandId(Command::NumberToChinese));
  EXPECT_EQ(FindWindowW(nullptr, L"数值转大写"), window);
  EXPECT_EQ(Text(number), L"20000000");
  EXPECT_EQ(Text(upper), L"贰仟万");
  EXPECT_TRUE(program.Close());
}

TEST_F(ToolWindowsTest, NumberWindowStartsWithTheResultOfTheCaretsLine) {
  folder.WriteConfiguration(Configuration("", "逗号千分割=2\r\n"));
  ProgramProcess program(folder);
  // Typed from the back: a digit typed behind "=5" would start a new line.
  program.Type(L"541,560");
  program.Press(VK_HOME);
  program.Type(L"120×4513=");
  program.Press(VK_END);
  program.Command(CommandId(Command::NumberToChinese));
  HWND window = FindWindowW(nullptr, L"数值转大写");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(Text(Child(window, L"EDIT", 0)), L"541,560");
  EXPECT_EQ(Text(Child(window, L"EDIT", 1)), L"伍拾肆万壹仟伍佰陆拾");
  EXPECT_TRUE(program.Close());
}

TEST_F(ToolWindowsTest, CharactersGbkCannotHoldStayOutOfTheSheet) {
  folder.WriteConfiguration(Configuration(""));
  ProgramProcess program(folder);
  const std::wstring refused = Wide(sheet::msg::kCharacterRefused);
  program.Type(L"\U0001F600");  // an emoji from an input method: two units
  EXPECT_EQ(program.StatusText(), refused);
  program.Type(L"1+2");
  program.Press(VK_RETURN);
  EXPECT_EQ(Start(program, 7), L"1+2=3\r\n");
  EXPECT_EQ(program.Caret(), 5u);

  // Pasted: refused whole, by the menu and by the control's own paste.
  PutOnClipboard(L"7\U0001F600");
  for (int paste = 0; paste < 2; ++paste) {
    if (paste == 0)
      program.Command(CommandId(Command::Paste));
    else
      SendMessageW(program.EditBox(), WM_PASTE, 0, 0);
    EXPECT_EQ(program.StatusText(), Wide(sheet::msg::kPasteRefused)) << paste;
    EXPECT_EQ(Start(program, 7), L"1+2=3\r\n") << paste;
  }

  // Inserted by the control itself (as an input method's composition is):
  // taken out again, and the sheet and the control still agree.
  SendMessageW(program.EditBox(), EM_SETSEL, 7, 7);
  SendMessageW(program.EditBox(), EM_REPLACESEL, TRUE,
               reinterpret_cast<LPARAM>(L"4\U0001F600\u0E01*2"));
  EXPECT_EQ(program.StatusText(), refused);
  EXPECT_EQ(Start(program, 10), L"1+2=3\r\n4*2");
  EXPECT_EQ(program.Caret(), 10u);
  program.Press(VK_RETURN);
  EXPECT_EQ(Start(program, 12), L"1+2=3\r\n4*2=8");
  EXPECT_TRUE(program.Close());
}

// Ctrl+E is on two items; the accelerator runs the one the menus show.
TEST_F(ToolWindowsTest, CtrlERunsTheItemTheMenusShow) {
  const struct {
    const char* signs;
    const wchar_t* text;       // the sheet afterwards
    const wchar_t* clipboard;  // and the clipboard
  } rows[] = {
      {"乘除替换=真\r\n", L"1\n2", L"1\n2"},      // "&E.复制(兼容)" copies the line
      {"乘除替换=假\r\n", L"1\r\n2", L"before"},  // "&E.修复文档错误" repairs the break
  };
  for (const auto& row : rows) {
    ProgramFolder own;
    own.WriteConfiguration(Configuration(row.signs));
    ProgramProcess program(own);
    PutOnClipboard(L"1\n2");
    program.Command(CommandId(Command::Paste));
    SendMessageW(program.EditBox(), EM_SETSEL, 0, 0);
    PutOnClipboard(L"before");
    SendMessageW(program.MainWindow(), WM_COMMAND,
                 MAKEWPARAM(CommandId(Command::CopyCompatible), 1), 0);
    EXPECT_EQ(Start(program, std::wstring_view(row.text).size()), row.text) << row.signs;
    EXPECT_EQ(ClipboardText(), row.clipboard) << row.signs;
    EXPECT_TRUE(program.Close());
  }
}

}  // namespace
}  // namespace tl::app::testing
