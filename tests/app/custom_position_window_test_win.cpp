// The custom window position window, driven from a second thread as a user
// would: it shows the stored keys, enables "确定" only for a reachable
// position, and writes the fields exactly as typed.
#include "app/custom_position_window.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "app/window_helpers_win.h"
#include "sheet/headless_host.h"

namespace tl::app {
namespace {

namespace fs = std::filesystem;
using testing::WaitForWindow;

std::vector<HWND> Children(HWND parent, const wchar_t* className) {
  std::vector<HWND> found;
  for (HWND child = FindWindowExW(parent, nullptr, className, nullptr); child;
       child = FindWindowExW(parent, child, className, nullptr))
    found.push_back(child);
  return found;
}

TEST(CustomPositionWindow, EnablesOkOnlyForAReachablePositionAndWritesTheFields) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  fs::path folder = fs::path(temp) / (L"tallyline-position-" + std::to_wstring(GetTickCount64()));
  settings::SettingsFiles files = settings::FilesUnder(folder);
  fs::create_directories(files.runFolder);
  std::ofstream(files.configuration, std::ios::binary)
      << "[启动窗口位置]\r\n_启动窗口.左边=10\r\n_启动窗口.顶边=20\r\n";

  std::vector<std::wstring> shown;
  bool okForBadPosition = true, okForGoodPosition = false;
  std::thread user([&] {
    HWND window = WaitForWindow(L"自定义窗口位置(请勿超出屏幕！)", 30000);
    if (!window) return;
    std::vector<HWND> fields = Children(window, L"EDIT");
    if (fields.size() != 4) return;
    for (HWND field : fields) shown.push_back(testing::Text(field));
    HWND ok = FindWindowExW(window, nullptr, L"BUTTON", L"确定");
    // Top 0 and width 40: 0 + 40 is below 50.
    SendMessageW(fields[1], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"0"));
    SendMessageW(fields[2], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"40"));
    SendMessageW(fields[3], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"300"));
    okForBadPosition = IsWindowEnabled(ok);
    SendMessageW(fields[2], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"640"));
    okForGoodPosition = IsWindowEnabled(ok);
    PostMessageW(ok, BM_CLICK, 0, 0);
  });
  sheet::HeadlessHost host;
  bool confirmed = EditCustomWindowPosition(nullptr, files, host);
  user.join();

  EXPECT_TRUE(confirmed);
  EXPECT_EQ(host.StatusText(), "");  // written: nothing to report
  EXPECT_EQ(shown, (std::vector<std::wstring>{L"10", L"20", L"0", L"0"}));
  EXPECT_FALSE(okForBadPosition);
  EXPECT_TRUE(okForGoodPosition);
  std::stringstream content;
  content << std::ifstream(files.configuration, std::ios::binary).rdbuf();
  EXPECT_NE(content.str().find("_启动窗口.宽度=640"), std::string::npos) << content.str();
  EXPECT_NE(content.str().find("_启动窗口.顶边=0"), std::string::npos);
  std::error_code ignored;
  fs::remove_all(folder, ignored);
}

}  // namespace
}  // namespace tl::app
