#pragma once
// The worksheet font and text colour, kept in the 字体设置 settings.
#include <windows.h>

#include "settings/settings.h"

namespace tl::app {

// A font made from 字体名称, 字体大小 (points, at `dpi`) and the four style flags.
HFONT CreateWorksheetFont(const settings::Settings& settings, int dpi);

// The font dialog, initialised from the settings; true when confirmed, with
// the settings updated from the choice.
bool ChooseWorksheetFont(HWND owner, settings::Settings& settings, int dpi);

}  // namespace tl::app
