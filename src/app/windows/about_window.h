#pragma once
// The about window "关于和赞助": the name, version, build date, licence, how
// often the program has run and where its configuration file is.
#include <windows.h>

#include <cstdint>
#include <filesystem>

#include "app/kit/tool_windows.h"

namespace tl::app {

struct AboutFacts {
  std::int64_t runCount;  // 运行次数 as read from the configuration file
  std::filesystem::path configuration;
};

void OpenAboutWindow(HWND owner, ToolWindows& tools, const AboutFacts& facts);

}  // namespace tl::app
