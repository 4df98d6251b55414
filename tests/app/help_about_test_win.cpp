// The help and about windows, and the icon and version the file carries.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/about_window.h"
#include "app/help_window.h"
#include "app/menus.h"
#include "app/program_process_win.h"
#include "app/win_text.h"
#include "app/window_helpers_win.h"
#include "engine/engine.h"
#include "sheet/version.h"

namespace tl::app::testing {
namespace {

// The first window of `process` titled `title`, waited for.
HWND WaitForWindow(DWORD process, const wchar_t* title) {
  for (int i = 0; i < 100; ++i, Sleep(50)) {
    for (HWND window = FindWindowW(nullptr, title); window;
         window = FindWindowExW(nullptr, window, nullptr, title)) {
      DWORD owner = 0;
      GetWindowThreadProcessId(window, &owner);
      if (owner == process && IsWindowVisible(window)) return window;
    }
  }
  return nullptr;
}

TEST(HelpWindow, F1OpensItWithEveryFunctionOfTheEngine) {
  ProgramFolder folder;
  folder.WriteConfiguration("[运行设置]\r\n退出设置=1\r\n");
  ProgramProcess program(folder);
  ASSERT_NE(program.MainWindow(), nullptr);
  // Posted, as the keyboard does: the accelerators turn F1 into the command.
  PostMessageW(program.EditBox(), WM_KEYDOWN, VK_F1, 1);
  PostMessageW(program.EditBox(), WM_KEYUP, VK_F1, 0xC0000001);
  DWORD process = 0;
  GetWindowThreadProcessId(program.MainWindow(), &process);
  HWND help = WaitForWindow(process, L"帮助");
  ASSERT_NE(help, nullptr) << "F1 opened no window 帮助";
  const std::wstring text = Text(FindWindowExW(help, nullptr, L"EDIT", nullptr));
  for (const engine::FunctionName& function : engine::FunctionNames()) {
    if (function.name == "~") continue;  // the unary minus, typed and shown as "-"
    EXPECT_NE(text.find(Wide(function.name)), std::wstring::npos) << function.name;
  }
  EXPECT_TRUE(program.Close());
}

TEST(HelpWindow, TextFillsTheResizableWindowAndStaysReadOnly) {
  HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                               nullptr, nullptr, nullptr);
  ToolWindows tools;
  OpenHelpWindow(owner, tools);
  HWND help = tools[Tool::Help];
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(GetWindowLongW(help, GWL_STYLE) & WS_THICKFRAME);
  HWND text = FindWindowExW(help, nullptr, L"EDIT", nullptr);
  EXPECT_TRUE(GetWindowLongW(text, GWL_STYLE) & ES_READONLY);
  for (SIZE size : {SIZE{900, 700}, SIZE{40, 40}}) {
    SetWindowPos(help, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOMOVE);
    Pump();
    RECT client, textRect;
    GetClientRect(help, &client);
    GetWindowRect(text, &textRect);
    EXPECT_EQ(textRect.right - textRect.left, client.right) << size.cx;
    EXPECT_EQ(textRect.bottom - textRect.top, client.bottom) << size.cx;
    EXPECT_GE(client.right, 250) << "no smaller than half its design";
  }
  // Ctrl+A, as TranslateMessage makes it, selects the whole text.
  SendMessageW(text, WM_CHAR, 1, 1);
  DWORD start = 0, end = 0;
  SendMessageW(text, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, Text(text).size());
  DestroyWindow(owner);
  Pump();
  EXPECT_EQ(tools[Tool::Help], nullptr);
}

TEST(AboutWindow, ShowsTheVersionRunCountAndConfigurationFile) {
  HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                               nullptr, nullptr, nullptr);
  ToolWindows tools;
  OpenAboutWindow(owner, tools, {42, L"C:\\程序\\Tallyline运行文件\\Tallyline配置文件.ini"});
  HWND about = tools[Tool::About];
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(Text(about), L"关于和赞助");
  std::wstring shown;
  for (HWND child = GetWindow(about, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    shown += Text(child) + L"\n";
  EXPECT_NE(shown.find(L"版本 " + Wide(sheet::Version())), std::wstring::npos) << Gbk(shown);
  EXPECT_NE(shown.find(L"42"), std::wstring::npos) << Gbk(shown);
  EXPECT_NE(shown.find(L"C:\\程序\\Tallyline运行文件\\Tallyline配置文件.ini"), std::wstring::npos);
  // Enter presses "确定", which closes it.
  MSG enter{GetDlgItem(about, IDOK), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  RouteToolWindowMessage(tools, enter);
  Pump();
  EXPECT_EQ(tools[Tool::About], nullptr);
  DestroyWindow(owner);
}

// The icon group of the file, read back: its sizes, 256 written as 0.
TEST(ProgramFile, CarriesTheIconInEverySizeAndTheVersion) {
  ProgramFolder folder;
  const std::wstring file = folder.Executable().wstring();
  HMODULE module = LoadLibraryExW(file.c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(module, nullptr);
  HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(1), RT_GROUP_ICON);
  ASSERT_NE(group, nullptr) << "no icon group 1";
  const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
  const int count = bytes[4] | bytes[5] << 8;
  std::vector<int> sizes;
  for (int i = 0; i < count; ++i) sizes.push_back(bytes[6 + 14 * i] ? bytes[6 + 14 * i] : 256);
  std::sort(sizes.begin(), sizes.end());
  EXPECT_EQ(sizes, (std::vector<int>{16, 20, 24, 32, 48, 256}));
  FreeLibrary(module);

  std::vector<BYTE> info(GetFileVersionInfoSizeW(file.c_str(), nullptr));
  ASSERT_FALSE(info.empty());
  ASSERT_TRUE(GetFileVersionInfoW(file.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
  for (const wchar_t* key : {L"\\StringFileInfo\\080404b0\\FileVersion",
                             L"\\StringFileInfo\\080404b0\\ProductVersion"}) {
    wchar_t* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), key, reinterpret_cast<void**>(&value), &length));
    EXPECT_EQ(std::wstring(value), Wide(sheet::Version()));
  }
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  const std::wstring numbers = std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L"." +
                               std::to_wstring(LOWORD(fixed->dwFileVersionMS)) + L"." +
                               std::to_wstring(HIWORD(fixed->dwFileVersionLS));
  EXPECT_EQ(numbers, Wide(sheet::Version()));
}

}  // namespace
}  // namespace tl::app::testing
