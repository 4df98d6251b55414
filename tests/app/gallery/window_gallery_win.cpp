// Opens one of the program's small windows alone, as a person would meet it,
// so that a script can look at it and take its picture at any DPI. Prints
// "DPI CLIENT-WIDTH CLIENT-HEIGHT" once the window is up; the window closes
// with Esc as usual. After the help window, prints "copied all" when the
// clipboard holds its whole text (Ctrl+A, Ctrl+C).
//   window_gallery exit|position|options|help|about
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

#include "app/about_window.h"
#include "app/custom_position_window.h"
#include "app/dpi.h"
#include "app/exit_dialog.h"
#include "app/help_window.h"
#include "app/main_window_state.h"
#include "app/options_window.h"
#include "app/win_text.h"
#include "app/window_helpers_win.h"
#include "sheet/headless_host.h"
#include "sheet/help_text.h"

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

// Runs the messages of the tool windows until `tool` closes.
void RunTool(tl::app::ToolWindows& tools, tl::app::Tool tool) {
  MSG message;
  while (tools[tool] && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (tl::app::RouteToolWindowMessage(tools, message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// The options dialog as the main window opens it, without a main window.
void ShowOptions() {
  tl::app::MainWindow main;
  main.files =
      tl::settings::FilesUnder(std::filesystem::temp_directory_path() / L"tallyline-gallery");
  // A door over no windows: the status bar its host would write to is not
  // there.
  main.session = std::make_unique<tl::app::SheetSession>(
      tl::app::HostWindows{}, [](int) {}, main.settings, [](tl::app::WinEditBox&) {});
  tl::app::OpenOptionsWindow(nullptr, main.tools, {*main.session, main.files, [] {}});
  RunTool(main.tools, tl::app::Tool::Options);
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
  if (which == L"options") {
    std::thread report(ReportWhenShown, L"快捷设置");
    ShowOptions();
    report.join();
    return 0;
  }
  tl::app::ToolWindows tools;
  if (which == L"help") {
    std::thread report(ReportWhenShown, L"帮助");
    tl::app::OpenHelpWindow(nullptr, tools);
    RunTool(tools, tl::app::Tool::Help);
    report.join();
    const bool all = tl::app::testing::ClipboardText() == tl::app::Wide(tl::sheet::HelpText());
    std::puts(all ? "copied all" : "not copied");
    return 0;
  }
  if (which == L"about") {
    std::thread report(ReportWhenShown, L"关于和赞助");
    tl::app::OpenAboutWindow(nullptr, tools,
                             {1, L"C:\\Tallyline\\Tallyline运行文件\\Tallyline配置文件.ini"});
    RunTool(tools, tl::app::Tool::About);
    report.join();
    return 0;
  }
  std::fputs("window_gallery exit|position|options|help|about\n", stderr);
  return 2;
}
