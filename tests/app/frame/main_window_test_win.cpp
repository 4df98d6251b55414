// The real program driven with real window messages.
#include <windows.h>

#include <dlgs.h>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>

#include "app/frame/menus.h"
#include "app/kit/dpi.h"
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

// A save is backed up too, though the text stays the same: killed after it,
// the sheet would otherwise come back changed.
TEST_F(MainWindowTest, TheRunningBackupFollowsASave) {
  const std::filesystem::path file = folder.Files().runFolder.parent_path() / L"账目.txt";
  std::ofstream(file, std::ios::binary) << "1+1=2\r\n";
  folder.WriteConfiguration(Configuration("动态刷新=假\r\n", "退出保存=真\r\n"));
  ProgramProcess program(folder, file);
  for (int i = 0; i < 100 && program.Title().find(L"账目") == std::wstring::npos; ++i) Sleep(50);
  auto backedUp = [&](const std::string& mark) {
    for (int i = 0; i < 100; ++i, Sleep(100)) {
      if (ProgramFolder::Read(folder.Files().configuration).find(mark) != std::string::npos)
        return true;
    }
    return false;
  };
  program.Type(L"7");
  EXPECT_TRUE(backedUp("内容已改=真"));
  program.Command(CommandId(Command::Save));
  EXPECT_TRUE(backedUp("内容已改=假"));
  program.Kill();
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

RECT WindowPlace(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return r;
}

// A first start (no stored geometry) at any DPI: the main window takes half
// the screen, centred; the virtual keyboard its size for the DPI, beside the
// window or below it, leaving the sheet's first lines in view (run at 96
// and at 144 DPI).
TEST_F(MainWindowTest, LayoutOnAFirstStart) {
  folder.WriteConfiguration("[运行设置]\r\n退出设置=1\r\n键盘开启=真\r\n");
  ProgramProcess program(folder);
  const RECT main = WindowPlace(program.MainWindow());
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_EQ(main.left, width / 4);
  EXPECT_EQ(main.top, height / 4);
  EXPECT_EQ(main.right - main.left, width / 2);
  EXPECT_EQ(main.bottom - main.top, height / 2);
  HWND keyboard = nullptr;
  ASSERT_TRUE(
      WaitUntil([&] { return (keyboard = FindWindowW(nullptr, L"虚拟键盘")) != nullptr; }, 5000));
  const RECT placed = WindowPlace(keyboard);
  const int dpi = WindowDpi(program.MainWindow());
  EXPECT_EQ(placed.right - placed.left, Scaled(540, dpi)) << dpi;
  EXPECT_EQ(placed.bottom - placed.top, Scaled(285, dpi)) << dpi;
  const RECT sheet = WindowPlace(program.EditBox());
  EXPECT_TRUE(placed.left >= main.right || placed.right <= main.left ||
              placed.top >= sheet.top + (sheet.bottom - sheet.top) / 4)
      << dpi << ": " << placed.left << "," << placed.top;
  EXPECT_TRUE(program.Close());
}

HWND WaitForExitQuestion() {
  return WaitForWindow(L"是否要直接退出！");
}

// Closes the window as its close box does and answers the exit question:
// the question comes over the window as it is (not minimized); `answer`
// posts the answer to it.
void AnswerTheExitQuestion(ProgramProcess& program, const std::function<void(HWND)>& answer) {
  PostMessageW(program.MainWindow(), WM_CLOSE, 0, 0);
  HWND question = WaitForExitQuestion();
  ASSERT_NE(question, nullptr);
  EXPECT_FALSE(IsIconic(program.MainWindow()));
  answer(question);
  WaitUntilGone(question);
}

// The full-screen key through the message loop, as the keyboard sends it:
// it beats the menu shortcut on the same key (F1 would open the help), also
// as a system key, and leaves the sheet alone.
std::function<void(ProgramProcess&)> FullScreenKey(int key, UINT message) {
  return [key, message](ProgramProcess& program) {
    const std::wstring text = program.EditText();
    PostMessageW(program.EditBox(), message, static_cast<WPARAM>(key), 1);
    PostMessageW(program.EditBox(), message + 1, static_cast<WPARAM>(key), 0xC0000001);
    EXPECT_EQ(program.WaitForWindow(L"帮助", 1000), nullptr);
    EXPECT_EQ(program.EditText(), text);
  };
}

std::string FullScreenKeyConfiguration(int key) {
  return Configuration("") +
         "[热键设置]\r\n全屏快捷键=真\r\n全屏辅助快捷键=" + std::to_string(key) + "\r\n";
}

// The main window's state after what the user does: maximized or not (the
// bars hidden exactly when it is, full screen), visible or in the tray,
// never minimized; the program closes or, after an exit question answered
// "not now" or "置托盘", keeps running. `then` checks what a closed
// program left for its next start.
TEST_F(MainWindowTest, TheWindowKeepsItsStateAndPlace) {
  struct Row {
    const char* what;
    std::string configuration;
    std::function<void(ProgramProcess&)> act;
    bool zoomed;
    bool visible;
    bool closes;
    std::function<void()> then;
  };
  const Row rows[] = {
      {"saved maximized; 正常, 全屏, 正常, moved", Configuration("窗口状态=3\r\n"),
       [](ProgramProcess& program) {
         HWND window = program.MainWindow();
         EXPECT_TRUE(IsZoomed(window)) << "saved maximized";
         program.Command(CommandId(Command::ViewNormal));
         EXPECT_FALSE(IsZoomed(window));
         const RECT normal = WindowPlace(window);
         program.Command(CommandId(Command::ViewFullScreen));
         EXPECT_TRUE(IsZoomed(window));
         EXPECT_EQ(GetMenu(window), nullptr);
         program.Command(CommandId(Command::ViewNormal));
         const RECT restored = WindowPlace(window);
         EXPECT_TRUE(EqualRect(&normal, &restored));
         SetWindowPos(window, nullptr, 123, 98, 0, 0, SWP_NOSIZE | SWP_NOZORDER);  // moved only
       },
       false, true, true,
       [this] {
         std::string configuration = ProgramFolder::Read(folder.Files().configuration);
         EXPECT_NE(configuration.find("窗口状态=0"), std::string::npos);
         EXPECT_NE(configuration.find("_启动窗口.左边=123\r\n_启动窗口.顶边=98"),
                   std::string::npos);
         ProgramProcess again(folder);
         EXPECT_FALSE(IsZoomed(again.MainWindow()));
         EXPECT_EQ(WindowPlace(again.MainWindow()).left, 123);
         EXPECT_TRUE(again.Close());
       }},
      {"full-screen key F1", FullScreenKeyConfiguration(VK_F1), FullScreenKey(VK_F1, WM_KEYDOWN),
       true, true, true, nullptr},
      {"full-screen key F2", FullScreenKeyConfiguration(VK_F2), FullScreenKey(VK_F2, WM_KEYDOWN),
       true, true, true, nullptr},
      {"full-screen key F5", FullScreenKeyConfiguration(VK_F5), FullScreenKey(VK_F5, WM_KEYDOWN),
       true, true, true, nullptr},
      {"full-screen key F10 (a system key)", FullScreenKeyConfiguration(VK_F10),
       FullScreenKey(VK_F10, WM_SYSKEYDOWN), true, true, true, nullptr},
      // The exit question's close box means "not now"; a close behaviour
      // the program does not know asks too.
      {"exit question closed (退出设置=0)", "[运行设置]\r\n退出设置=0\r\n",
       [](ProgramProcess& program) {
         AnswerTheExitQuestion(program, [](HWND q) { PostMessageW(q, WM_CLOSE, 0, 0); });
       },
       false, true, false, nullptr},
      {"exit question closed (退出设置=7)", "[运行设置]\r\n退出设置=7\r\n",
       [](ProgramProcess& program) {
         AnswerTheExitQuestion(program, [](HWND q) { PostMessageW(q, WM_CLOSE, 0, 0); });
       },
       false, true, false, nullptr},
      {"exit question's 置托盘", "[运行设置]\r\n退出设置=0\r\n",
       [](ProgramProcess& program) {
         AnswerTheExitQuestion(program, [](HWND q) {
           PostMessageW(FindWindowExW(q, nullptr, L"BUTTON", L"置托盘"), BM_CLICK, 0, 0);
         });
       },
       false, false, false, nullptr},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    folder.WriteConfiguration(row.configuration);
    ProgramProcess program(folder);
    row.act(program);
    HWND window = program.MainWindow();
    EXPECT_EQ(IsZoomed(window) != FALSE, row.zoomed);
    EXPECT_EQ(GetMenu(window) == nullptr, row.zoomed);
    EXPECT_EQ(IsWindowVisible(window) != FALSE, row.visible);
    EXPECT_FALSE(IsIconic(window));
    if (row.closes) {
      EXPECT_TRUE(program.Close());
    } else {
      EXPECT_FALSE(program.WaitForExit(500));
      program.Kill();
    }
    if (row.then) row.then();
  }
}

// With 退出保存 a changed sheet with a file closes without a question and
// comes back with its file and still changed; a file named on the command
// line opens as "打开" opens it, also from a second start.
TEST_F(MainWindowTest, TheSheetComesBackWithItsFile) {
  const std::filesystem::path file = folder.Files().runFolder.parent_path() / L"账目.txt";
  std::ofstream(file, std::ios::binary) << "1+1=2\r\n";
  folder.WriteConfiguration(Configuration("动态刷新=假\r\n", "退出保存=真\r\n"));
  {
    ProgramProcess program(folder, file);
    for (int i = 0; i < 100 && program.Title().find(L"账目") == std::wstring::npos; ++i) Sleep(50);
    EXPECT_EQ(program.Title(), L"Tallyline - " + file.wstring());
    EXPECT_EQ(program.EditText(), L"1+1=2\r\n");
    program.Type(L"7");
    PostMessageW(program.MainWindow(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(10000)) << "asked to save";
  }
  ProgramProcess again(folder);
  EXPECT_EQ(again.Title(), L"Tallyline - " + file.wstring());
  EXPECT_EQ(again.EditText(), L"71+1=2\r\n");
  const std::filesystem::path other = file.parent_path() / L"other.txt";
  std::ofstream(other, std::ios::binary) << "9";
  ProgramProcess second(folder, other);
  EXPECT_TRUE(second.WaitForExit(10000));
  HWND question = again.WaitForWindow(L"询问");  // the sheet is still changed
  ASSERT_NE(question, nullptr);
  PostMessageW(question, WM_COMMAND, IDNO, 0);
  for (int i = 0; i < 100 && again.EditText() != L"9"; ++i) Sleep(50);
  EXPECT_EQ(again.EditText(), L"9");
  EXPECT_EQ(again.Title(), L"Tallyline - " + other.wstring());
  EXPECT_TRUE(again.Close());
}

// The second status bar part follows the caret.
TEST_F(MainWindowTest, TheStatusBarShowsTheCaretPlace) {
  folder.WriteConfiguration(Configuration("动态刷新=假\r\n"));
  ProgramProcess program(folder);
  program.Command(CommandId(Command::New));
  program.Type(L"12");
  EXPECT_EQ(program.StatusText(1), L"行: 1,列: 3");
  program.Press(VK_RETURN);
  program.Press(VK_DOWN);
  program.Press(VK_DOWN);
  EXPECT_EQ(program.StatusText(1), L"行: 3,列: 1");
  EXPECT_EQ(program.StatusText(0).substr(0, 4), L"   [");  // messages keep part 0
  SendMessageW(program.EditBox(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
  SendMessageW(program.EditBox(), WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
  EXPECT_EQ(program.StatusText(1), L"行: 1,列: 1");
  // A result is written without a line break (运算换行变量 is off): two
  // Down keys from its line reach line 3, and the caret moving up again is
  // counted back.
  program.Press(VK_END);
  program.Type(L"+2");
  program.Press(VK_RETURN);
  EXPECT_EQ(program.EditText().substr(0, 9), L"12+2=14\r\n");
  program.Press(VK_DOWN);
  program.Press(VK_DOWN);
  EXPECT_EQ(program.StatusText(1), L"行: 3,列: 1");
  program.Press(VK_UP);
  EXPECT_EQ(program.StatusText(1), L"行: 2,列: 1");
  EXPECT_TRUE(program.Close());
}

// The window's own commands: each row does one thing to the main window
// and checks what a user sees.
TEST_F(MainWindowTest, WindowCommandsShowAndHideWhatTheySay) {
  folder.WriteConfiguration(Configuration(""));
  ProgramProcess program(folder);
  HWND window = program.MainWindow();
  HWND bar = FindWindowExW(window, nullptr, L"msctls_statusbar32", nullptr);
  const auto style = [&] { return GetWindowLongPtrW(window, GWL_STYLE); };
  const auto exStyle = [&] { return GetWindowLongPtrW(window, GWL_EXSTYLE); };

  program.Command(CommandId(Command::ViewTitleBar));  // no title, no system menu, tool style
  EXPECT_EQ(program.Title(), L"");
  EXPECT_FALSE(style() & WS_SYSMENU);
  EXPECT_TRUE(exStyle() & WS_EX_TOOLWINDOW);
  program.Command(CommandId(Command::ViewMenuBar));
  EXPECT_EQ(GetMenu(window), nullptr);
  program.Command(CommandId(Command::ViewStatusBar));
  EXPECT_FALSE(IsWindowVisible(bar));
  program.Command(CommandId(Command::ViewNormal));
  EXPECT_EQ(program.Title(), L"Tallyline");
  EXPECT_TRUE(style() & WS_SYSMENU);
  EXPECT_FALSE(exStyle() & WS_EX_TOOLWINDOW);
  EXPECT_NE(GetMenu(window), nullptr);
  EXPECT_TRUE(IsWindowVisible(bar));

  SendMessageW(window, WM_HOTKEY, 0, 0);  // the show/hide hot key
  EXPECT_FALSE(IsWindowVisible(window));
  SendMessageW(window, WM_HOTKEY, 0, 0);
  EXPECT_TRUE(IsWindowVisible(window));
  ShowWindow(window, SW_HIDE);
  SendMessageW(window, WM_APP + 1, 0, WM_LBUTTONUP);  // a click on the tray icon
  EXPECT_TRUE(IsWindowVisible(window));
  ShowWindow(window, SW_HIDE);
  program.Command(CommandId(Command::ShowWindow));  // the tray menu's "打开计算器"
  EXPECT_TRUE(IsWindowVisible(window));

  // Ctrl and the wheel: one notch is one point more; the exit keeps it.
  SendMessageW(program.EditBox(), WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA * 3), 0);
  EXPECT_TRUE(program.Close());
  EXPECT_NE(ProgramFolder::Read(folder.Files().configuration).find("字体大小=17"),
            std::string::npos);
}

// "&T.字体": a size picked in the system's font dialog and "确定" give the
// sheet that size, which the exit keeps.
TEST_F(MainWindowTest, TheFontDialogSetsTheSheetsFont) {
  folder.WriteConfiguration(Configuration(""));
  ProgramProcess program(folder);
  program.PostCommand(CommandId(Command::Font));
  HWND dialog = nullptr, sizes = nullptr;  // the font sizes' list, once the dialog has it
  LRESULT size26 = CB_ERR;
  ASSERT_TRUE(WaitUntil(
      [&] {
        dialog = FindWindowW(L"#32770", nullptr);
        if (!dialog || GetWindow(dialog, GW_OWNER) != program.MainWindow()) return false;
        sizes = GetDlgItem(dialog, cmb3);
        size26 = SendMessageW(sizes, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                              reinterpret_cast<LPARAM>(L"26"));
        return size26 != CB_ERR && IsWindowVisible(dialog);
      },
      10000));
  // It opens on the face the sheet is drawn with, also when the stored one
  // ("Times New Roman") is missing: never on no face or a vertical "@" face.
  HWND faces = GetDlgItem(dialog, cmb1);
  wchar_t face[LF_FACESIZE] = {};
  SendMessageW(faces, CB_GETLBTEXT, SendMessageW(faces, CB_GETCURSEL, 0, 0),
               reinterpret_cast<LPARAM>(face));
  EXPECT_NE(face[0], L'\0');
  EXPECT_NE(face[0], L'@') << Gbk(face);
  SendMessageW(sizes, CB_SETCURSEL, static_cast<WPARAM>(size26), 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(cmb3, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(sizes));
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(WaitUntilGone(dialog));
  EXPECT_TRUE(program.Close());
  EXPECT_NE(ProgramFolder::Read(folder.Files().configuration).find("字体大小=26"),
            std::string::npos);
}

}  // namespace
}  // namespace tl::app::testing
