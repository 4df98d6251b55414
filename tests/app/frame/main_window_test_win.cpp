// The real program driven with real window messages.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "app/frame/menus.h"
#include "app/kit/win_text.h"
#include "app/program_process_win.h"
#include "app/window_helpers_win.h"

namespace tl::app::testing {
namespace {

using sheet::Command;

std::wstring Lines(std::wstring_view first, int emptyLines) {
  std::wstring text(first);
  for (int i = 0; i < emptyLines; ++i) text += L"\r\n";
  return text;
}

// A configuration that closes without asking; `extra` adds keys of 其他设置
// or 运行设置 lines (GBK).
std::string Configuration(std::string_view run, std::string_view other = "") {
  return "[运行设置]\r\n退出设置=1\r\n" + std::string(run) + "[其他设置]\r\n" + std::string(other);
}

// Holds a file open with no sharing, as another program may.
class FileLock {
 public:
  explicit FileLock(const std::filesystem::path& path)
      : handle_(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~FileLock() { CloseHandle(handle_); }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;
  bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

class MainWindowTest : public ::testing::Test {
 protected:
  ProgramFolder folder;
};

TEST_F(MainWindowTest, EnterWritesTheResultBehindTheLine) {
  folder.WriteConfiguration(Configuration("动态刷新=假\r\n"));
  ProgramProcess program(folder);
  ASSERT_NE(program.MainWindow(), nullptr);
  program.Type(L"1+2");
  program.Press(VK_RETURN);
  std::wstring text = program.EditText();
  EXPECT_EQ(text.substr(0, 7), L"1+2=3\r\n");
  EXPECT_EQ(program.Caret(), 5u);
  std::wstring status = program.StatusText();
  EXPECT_EQ(status.substr(0, 13), L"   [运算完成]_用时 ") << Gbk(status);
  EXPECT_EQ(status.substr(status.size() - 2), L" 秒");
  EXPECT_TRUE(program.Close());
}

TEST_F(MainWindowTest, HeldEnterBreaksLinesInsteadOfEvaluating) {
  folder.WriteConfiguration(Configuration("动态刷新=假\r\n"));
  ProgramProcess program(folder);
  program.Type(L"1+2");
  std::size_t before = program.EditText().size();
  program.KeyDown(VK_RETURN);
  // The hold timer runs in the program: let it tick once.
  for (int i = 0; i < 40 && program.EditText().size() == before; ++i) Sleep(50);
  program.KeyUp(VK_RETURN);
  std::wstring text = program.EditText();
  EXPECT_EQ(text.substr(0, 3), L"1+2");
  EXPECT_EQ(text.find(L'='), std::wstring::npos) << "a held Enter must not evaluate";
  EXPECT_GE(program.Caret(), 5u);
  EXPECT_TRUE(program.Close());
}

TEST_F(MainWindowTest, LiveModeShowsTheResultWhileTyping) {
  folder.WriteConfiguration(Configuration("动态刷新=真\r\n"));
  ProgramProcess program(folder);
  program.Type(L"1+2");
  EXPECT_EQ(program.EditText().substr(0, 5), L"1+2=3");
  EXPECT_EQ(program.Caret(), 3u);
  EXPECT_EQ(program.StatusText(), L"   [提示]_表达式已刷新！");
  EXPECT_TRUE(program.Close());
}

TEST_F(MainWindowTest, UndoAndRedoFromTheMenus) {
  folder.WriteConfiguration(Configuration("动态刷新=假\r\n"));
  ProgramProcess program(folder);
  program.Type(L"7");
  ASSERT_EQ(program.EditText().substr(0, 1), L"7");
  program.Command(CommandId(Command::Undo));
  EXPECT_EQ(program.EditText(), Lines(L"", 388));  // the text the edit box was created with
  program.Command(CommandId(Command::Redo));
  EXPECT_EQ(program.EditText().substr(0, 1), L"7");
  // The right-click menu's clear-all, then undo brings the text back.
  program.Command(CommandId(Command::ClearAll));
  EXPECT_EQ(program.EditText(), Lines(L"", 31));
  program.Command(CommandId(Command::Undo));
  EXPECT_EQ(program.EditText().substr(0, 1), L"7");
  EXPECT_TRUE(program.Close());
}

TEST_F(MainWindowTest, DoubleClickSelectsTheNumberAndCopiesIt) {
  folder.WriteConfiguration(Configuration("动态刷新=假\r\n"));
  ProgramProcess program(folder);
  program.Type(L"12-3.57*2");
  EXPECT_EQ(program.EditText().substr(0, 9), L"12-3.57×2");  // "*" shows as "×"
  SendMessageW(program.EditBox(), EM_SETSEL, 6, 6);          // just after the "5"
  SendMessageW(program.EditBox(), WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
  DWORD selection = static_cast<DWORD>(SendMessageW(program.EditBox(), EM_GETSEL, 0, 0));
  EXPECT_EQ(LOWORD(selection), 3u);
  EXPECT_EQ(HIWORD(selection), 7u);
  EXPECT_EQ(ClipboardText(), L"3.57");
  EXPECT_TRUE(program.Close());
}

TEST_F(MainWindowTest, CloseToTrayKeepsRunningUntilTheTrayExit) {
  folder.WriteConfiguration("[运行设置]\r\n退出设置=2\r\n");
  ProgramProcess program(folder);
  PostMessageW(program.MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(program.WaitForExit(1500));
  EXPECT_FALSE(IsWindowVisible(program.MainWindow()));
  program.Command(CommandId(Command::TrayExit));
  EXPECT_TRUE(program.WaitForExit(10000));
}

TEST_F(MainWindowTest, AskingCloseOffersDirectExit) {
  folder.WriteConfiguration("[运行设置]\r\n退出设置=0\r\n");
  ProgramProcess program(folder);
  PostMessageW(program.MainWindow(), WM_CLOSE, 0, 0);
  HWND dialog = nullptr;
  for (int i = 0; i < 100 && !dialog; ++i, Sleep(50))
    dialog = FindWindowW(nullptr, L"是否要直接退出！");
  ASSERT_NE(dialog, nullptr);
  HWND remember = FindWindowExW(dialog, nullptr, L"BUTTON", L"记住设置");
  SendMessageW(remember, BM_CLICK, 0, 0);
  HWND exit = FindWindowExW(dialog, nullptr, L"BUTTON", L"直接退出");
  ASSERT_NE(exit, nullptr);
  PostMessageW(exit, BM_CLICK, 0, 0);
  EXPECT_TRUE(program.WaitForExit(10000));
  EXPECT_NE(ProgramFolder::Read(folder.Files().configuration).find("退出设置=1"),
            std::string::npos);
}

TEST_F(MainWindowTest, SecondInstanceHandsOverAndEnds) {
  folder.WriteConfiguration(Configuration(""));
  ProgramProcess first(folder);
  ASSERT_NE(first.MainWindow(), nullptr);
  ShowWindow(first.MainWindow(), SW_MINIMIZE);
  ProgramProcess second(folder);
  EXPECT_TRUE(second.WaitForExit(10000));
  EXPECT_EQ(second.MainWindow(), nullptr);
  EXPECT_FALSE(IsIconic(first.MainWindow()));
  EXPECT_TRUE(first.Close());
}

TEST_F(MainWindowTest, SaveAtExitKeepsTheSheetForTheNextStart) {
  folder.WriteConfiguration(Configuration("动态刷新=假\r\n", "退出保存=真\r\n"));
  {
    ProgramProcess program(folder);
    program.Type(L"1+1");
    program.Press(VK_RETURN);
    EXPECT_TRUE(program.Close());
  }
  std::string configuration = ProgramFolder::Read(folder.Files().configuration);
  EXPECT_NE(configuration.find("运行次数=2"), std::string::npos);
  EXPECT_NE(configuration.find("起始选择位置=5"), std::string::npos);
  EXPECT_NE(configuration.find("字体名称="), std::string::npos);
  EXPECT_EQ(ProgramFolder::Read(folder.Files().contentBackup).substr(0, 7), "1+1=2\r\n");
  ProgramProcess again(folder);
  EXPECT_EQ(again.EditText().substr(0, 5), L"1+1=2");
  EXPECT_EQ(again.Caret(), 5u);
  EXPECT_TRUE(again.Close());
}

// The restored sheet is checked at start; the command selects its stale
// result.
TEST_F(MainWindowTest, TheRestoredSheetIsCheckedForStaleResults) {
  folder.WriteConfiguration(Configuration("动态刷新=真\r\n", "退出保存=真\r\n"));
  std::ofstream(folder.Files().contentBackup, std::ios::binary) << "1+1=2\r\n2*3=7\r\n";
  ProgramProcess program(folder);
  EXPECT_EQ(program.StatusText(), L"   [提示]_文件中有 1 处结果已过期，按 F6 查看");
  program.Command(CommandId(Command::CheckResults));
  program.KeyUp(VK_F6);
  DWORD selection = static_cast<DWORD>(SendMessageW(program.EditBox(), EM_GETSEL, 0, 0));
  EXPECT_EQ(LOWORD(selection), 11u);
  EXPECT_EQ(HIWORD(selection), 12u);
  EXPECT_EQ(program.StatusText(), L"   [提示]_第 2 行的结果已过期，现为 6（共 1 处）");
  EXPECT_TRUE(program.Close());
}

// The sheet cannot be written at exit (another program holds the backup):
// the question keeps the window and the sheet until the user exits anyway,
// and the old backup stays whole.
TEST_F(MainWindowTest, AFailedSaveAtExitAsksBeforeTheSheetGoes) {
  folder.WriteConfiguration(Configuration("动态刷新=假\r\n", "退出保存=真\r\n"));
  std::ofstream(folder.Files().contentBackup, std::ios::binary) << "\r\nold";
  ProgramProcess program(folder);
  program.Type(L"1+1");
  program.Press(VK_RETURN);
  ASSERT_EQ(program.EditText(), L"1+1=2\r\nold");
  {
    FileLock lock(folder.Files().contentBackup);
    ASSERT_TRUE(lock.Held());
    PostMessageW(program.MainWindow(), WM_CLOSE, 0, 0);
    program.DeclineSaving();
    HWND question = WaitForWindow(L"保存失败");
    ASSERT_NE(question, nullptr);
    PostMessageW(GetDlgItem(question, IDCANCEL), BM_CLICK, 0, 0);
    WaitUntilGone(question);
    EXPECT_FALSE(program.WaitForExit(500));
    EXPECT_TRUE(IsWindowVisible(program.MainWindow()));
    EXPECT_FALSE(IsIconic(program.MainWindow()));
    EXPECT_EQ(program.EditText(), L"1+1=2\r\nold");

    PostMessageW(program.MainWindow(), WM_CLOSE, 0, 0);
    program.DeclineSaving();
    question = WaitForWindow(L"保存失败");
    ASSERT_NE(question, nullptr);
    PostMessageW(GetDlgItem(question, IDCONTINUE), BM_CLICK, 0, 0);
    EXPECT_TRUE(program.WaitForExit(10000));
  }
  EXPECT_EQ(ProgramFolder::Read(folder.Files().contentBackup), "\r\nold");
}

// With 退出保存 the sheet is backed up a few seconds after the last change,
// and a process killed then opens with it at the next start.
TEST_F(MainWindowTest, TheRunningBackupSurvivesAKilledProcess) {
  folder.WriteConfiguration(Configuration("动态刷新=假\r\n", "退出保存=真\r\n"));
  {
    ProgramProcess program(folder);
    program.Type(L"1+1");
    program.Press(VK_RETURN);
    Sleep(1000);
    EXPECT_EQ(ProgramFolder::Read(folder.Files().contentBackup), "") << "not before the delay";
    std::string backup;
    for (int i = 0; i < 100 && backup.empty(); ++i, Sleep(100))
      backup = ProgramFolder::Read(folder.Files().contentBackup);
    EXPECT_EQ(backup.substr(0, 7), "1+1=2\r\n");
    program.Kill();
  }
  ProgramProcess again(folder);
  EXPECT_EQ(again.EditText().substr(0, 7), L"1+1=2\r\n");
  EXPECT_EQ(again.Caret(), 5u);
  EXPECT_TRUE(again.Close());
}

// A log-off while the sheet cannot be saved is refused once, with the
// reason in the status bar; asked again, the session may end.
TEST_F(MainWindowTest, ALogOffIsRefusedOnceWhenTheSheetCannotBeSaved) {
  folder.WriteConfiguration(Configuration("", "退出保存=真\r\n"));
  std::ofstream(folder.Files().contentBackup, std::ios::binary) << "old";
  ProgramProcess program(folder);
  program.Type(L"7");
  {
    FileLock lock(folder.Files().contentBackup);
    EXPECT_FALSE(SendMessageW(program.MainWindow(), WM_QUERYENDSESSION, 0, 0));
    EXPECT_EQ(program.StatusText().rfind(L"   [文件错误]_内容备份保存失败：", 0), 0u)
        << Gbk(program.StatusText());
    EXPECT_TRUE(SendMessageW(program.MainWindow(), WM_QUERYENDSESSION, 0, 0));
  }
  EXPECT_TRUE(SendMessageW(program.MainWindow(), WM_QUERYENDSESSION, 0, 0));
  EXPECT_EQ(ProgramFolder::Read(folder.Files().contentBackup).substr(0, 1), "7");
  program.Kill();
}

// A new line below the last result leaves the earlier lines in view.
TEST_F(MainWindowTest, NewLinesKeepEarlierLinesInView) {
  folder.WriteConfiguration(Configuration("动态刷新=假\r\n"));
  ProgramProcess program(folder);
  program.Type(L"1+1");
  program.Press(VK_RETURN);
  program.Press(VK_END);
  program.Press(VK_RETURN);
  EXPECT_EQ(program.EditText().substr(0, 9), L"1+1=2\r\n\r\n");
  EXPECT_EQ(SendMessageW(program.EditBox(), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  EXPECT_TRUE(program.Close());
}

// Each typed key with its live refresh is one Undo.
TEST_F(MainWindowTest, UndoTakesBackOneKeyAtATime) {
  folder.WriteConfiguration(Configuration("动态刷新=真\r\n"));
  ProgramProcess program(folder);
  const std::wstring before = program.EditText();
  program.Type(L"12-3+4");
  ASSERT_EQ(program.EditText().substr(0, 9), L"12-3+4=13");
  for (int i = 0; i < 6; ++i) program.Command(CommandId(Command::Undo));
  EXPECT_EQ(program.EditText(), before);
  EXPECT_TRUE(program.Close());
}

struct ViewRow {
  const char* keys;  // 窗口状态设置 lines
  bool statusBar;
};

// The edit box fills the client area down to the status bar in every view
// state (run at 96 and at 144 DPI).
TEST_F(MainWindowTest, LayoutFillsTheClientArea) {
  const ViewRow rows[] = {
      {"", true},
      {"状态栏状态=假\r\n", false},
      {"标题栏状态=假\r\n", true},
      {"菜单栏状态=假\r\n标题栏状态=假\r\n", true},
  };
  for (const ViewRow& row : rows) {
    folder.WriteConfiguration(Configuration("") + "[窗口状态设置]\r\n" + row.keys);
    ProgramProcess program(folder);
    HWND window = program.MainWindow();
    RECT client, edit;
    GetClientRect(window, &client);
    GetWindowRect(program.EditBox(), &edit);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&edit), 2);
    int bottom = client.bottom;
    HWND bar = FindWindowExW(window, nullptr, L"msctls_statusbar32", nullptr);
    EXPECT_EQ(IsWindowVisible(bar) != FALSE, row.statusBar) << row.keys;
    if (row.statusBar) {
      RECT status;
      GetWindowRect(bar, &status);
      MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&status), 2);
      bottom = status.top;
      EXPECT_EQ(status.bottom, client.bottom) << row.keys;
    }
    EXPECT_EQ(edit.left, 0) << row.keys;
    EXPECT_EQ(edit.right, client.right) << row.keys;
    EXPECT_EQ(edit.bottom, bottom) << row.keys;
    EXPECT_TRUE(program.Close());
  }
}

}  // namespace
}  // namespace tl::app::testing
