#include "app/windows/about_window.h"

#include <memory>
#include <string>

#include "app/kit/app_icon.h"
#include "app/kit/kit_window.h"
#include "app/kit/win_text.h"
#include "sheet/tools/version.h"

namespace tl::app {

namespace {

enum : int { kVersion = 10, kRuns = 11, kPath = 12 };

constexpr ControlRow kControls[] = {
    {ControlKind::Label, "Tallyline 文本计算器", 16, 16, 348, 20, -1},
    {ControlKind::Label, "", 16, 40, 348, 20, kVersion},
    {ControlKind::Label, "", 16, 62, 348, 20, kRuns},
    {ControlKind::Label, "MIT 许可证：可以自由使用、复制、修改和分发。", 16, 84, 348, 20, -1},
    {ControlKind::Label, "配置文件：", 16, 112, 348, 20, -1},
    {ControlKind::Field, "", 16, 132, 348, 24, kPath, {}, ES_READONLY},
    {ControlKind::Label,
     "Tallyline 免费使用，不需要赞助。如果它帮到了你，把它介绍给同样天天和数字打交道的人，"
     "就是最好的支持。",
     16, 166, 348, 40, -1},
    {ControlKind::DefaultButton, "确定", 278, 218, 86, 28, IDOK},
};

constexpr WindowDesign kWindow{"关于和赞助", 380, 262, kControls};

// The day this file was built, YYYY-MM-DD (set by the build).
constexpr std::string_view kBuildDate = TALLYLINE_BUILD_DATE;

void Create(HWND window, const AboutFacts& facts) {
  std::string version = "版本 ";
  version += sheet::Version();
  version += "，构建于 ";
  version += kBuildDate;
  SetDlgItemTextW(window, kVersion, Wide(version).c_str());
  const std::string runs = "已运行 " + std::to_string(facts.runCount) + " 次（含这一次）";
  SetDlgItemTextW(window, kRuns, Wide(runs).c_str());
  SetDlgItemTextW(window, kPath, facts.configuration.wstring().c_str());
  SetWindowIcon(window);
}

LRESULT CALLBACK AboutWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* facts = KitState<AboutFacts>(window);
  if (!facts) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_CREATE:
      Create(window, *facts);
      return 0;
    case WM_SETFOCUS:  // the window activated: the focus to "确定"
      SetFocus(GetDlgItem(window, IDOK));
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) PostMessageW(window, WM_CLOSE, 0, 0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

void OpenAboutWindow(HWND owner, ToolWindows& tools, const AboutFacts& facts) {
  OpenToolWindow(owner, tools, Tool::About, kWindow, AboutWindowProc,
                 std::make_unique<AboutFacts>(facts));
}

}  // namespace tl::app
