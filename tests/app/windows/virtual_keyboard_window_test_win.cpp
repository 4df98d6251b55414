// The virtual keyboard with the real program: hidden while the main window is
// parked at a screen edge, and open at the next start exactly when it was
// open at the end of the run, however the run ended.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/frame/menus.h"
#include "app/program_process_win.h"
#include "app/window_helpers_win.h"
#include "settings/profile.h"

namespace tl::app::testing {
namespace {

using sheet::Command;

HWND Keyboard() {
  return FindWindowW(nullptr, L"虚拟键盘");
}

std::optional<std::string> KeyboardAtClose(const ProgramFolder& folder) {
  return settings::ReadProfileValue(ProgramFolder::Read(folder.Files().configuration), "运行设置",
                                    "键盘开启");
}

TEST(VirtualKeyboardWindow, HiddenWhileTheMainWindowIsParked) {
  ProgramFolder folder;
  folder.WriteConfiguration(
      "[运行设置]\r\n退出设置=1\r\n边缘隐藏=真\r\n键盘开启=真\r\n[启动窗口位置]\r\n"
      "_启动窗口.左边=0\r\n_启动窗口.顶边=100\r\n_启动窗口.宽度=640\r\n_启动窗口.高度=400\r\n");
  ProgramProcess program(folder);
  ASSERT_TRUE(WaitUntil([] { return IsWindowVisible(Keyboard()) != FALSE; }, 5000));
  HWND keyboard = Keyboard();
  SetCursorPos(1000, 700);  // away from both windows
  // The hold after start-up runs out in 2.5 s; the window parks at the left.
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(keyboard); }, 8000));
  RECT r;
  GetWindowRect(program.MainWindow(), &r);
  EXPECT_EQ(r.left, 5 - (r.right - r.left));
  SetCursorPos(2, 300);  // onto the strip left on screen
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(keyboard) != FALSE; }, 3000));
  EXPECT_TRUE(program.Close());
}

TEST(VirtualKeyboardWindow, TheFileMenusExitKeepsItsState) {
  ProgramFolder folder;
  folder.WriteConfiguration("[运行设置]\r\n退出设置=1\r\n");
  // The first run opens the keyboard; the second starts with it open again
  // and closes it.
  const struct {
    bool open;
    std::string written;
  } runs[] = {{true, "真"}, {false, "假"}};
  for (const auto& run : runs) {
    ProgramProcess program(folder);
    const auto keyboardIs = [](bool open) { return (Keyboard() != nullptr) == open; };
    ASSERT_TRUE(WaitUntil([&] { return keyboardIs(!run.open); }, 5000));
    program.Command(CommandId(Command::VirtualKeyboard));
    EXPECT_TRUE(WaitUntil([&] { return keyboardIs(run.open); }, 3000));
    program.Command(CommandId(Command::Exit));  // no close request
    ASSERT_TRUE(program.WaitForExit(10000));
    EXPECT_EQ(KeyboardAtClose(folder), run.written);
  }
}

// Opened for the first time, the keyboard stands beside the main window,
// clear of the sheet's first lines.
TEST(VirtualKeyboardWindow, FirstOpensBesideTheMainWindow) {
  ProgramFolder folder;
  folder.WriteConfiguration("[运行设置]\r\n退出设置=1\r\n键盘开启=真\r\n");
  ProgramProcess program(folder);
  ASSERT_TRUE(WaitUntil([] { return Keyboard() != nullptr; }, 5000));
  RECT main, keyboard;
  GetWindowRect(program.MainWindow(), &main);
  GetWindowRect(Keyboard(), &keyboard);
  const bool beside = keyboard.left >= main.right || keyboard.right <= main.left;
  EXPECT_TRUE(beside || keyboard.top >= main.top + (main.bottom - main.top) / 3)
      << keyboard.left << "," << keyboard.top << " over " << main.left << "," << main.top;
  EXPECT_TRUE(program.Close());
}

}  // namespace
}  // namespace tl::app::testing
