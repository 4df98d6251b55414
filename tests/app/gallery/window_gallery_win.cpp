// Opens one of the program's small windows alone, as a person would meet it,
// so that a script can look at it and take its picture at any DPI. Prints
// "DPI CLIENT-WIDTH CLIENT-HEIGHT" once the window is up; the window closes
// with Esc as usual.
//   window_gallery exit|position
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

#include "app/custom_position_window.h"
#include "app/dpi.h"
#include "app/exit_dialog.h"
#include "sheet/headless_host.h"

namespace {

void ReportWhenShown(const wchar_t* title) {
  for (int i = 0; i < 400; ++i, Sleep(25)) {
    HWND window = FindWindowW(nullptr, title);
    if (!window || !IsWindowVisible(window)) continue;
    RECT client;
    GetClientRect(window, &client);
    std::printf("%d %ld %ld\n", tl::app::WindowDpi(window), client.right, client.bottom);
    std::fflush(stdout);
    return;
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring which = argc > 1 ? argv[1] : L"";
  if (which == L"exit") {
    std::thread report(ReportWhenShown, L"是否要直接退出！");
    tl::settings::Settings settings;
    tl::app::ConfirmExit(nullptr, settings);
    report.join();
    return 0;
  }
  if (which == L"position") {
    std::thread report(ReportWhenShown, L"自定义窗口位置(请勿超出屏幕！)");
    const auto folder = std::filesystem::temp_directory_path() / L"tallyline-gallery";
    tl::sheet::HeadlessHost host;
    tl::app::EditCustomWindowPosition(nullptr, tl::settings::FilesUnder(folder), host);
    report.join();
    return 0;
  }
  std::fputs("window_gallery exit|position\n", stderr);
  return 2;
}
