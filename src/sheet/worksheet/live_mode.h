#pragma once
// Live mode set from outside its menu item (the options dialog's "确定").
#include "settings/settings.h"
#include "sheet/worksheet/worksheet.h"

namespace tl::sheet {

// Sets 动态刷新 to `live` as "&G.实时计算" switches it: the item's check
// mark follows, recording stops and the accumulator items are enabled
// exactly in normal mode. Also when the mode stays as it was.
void SetLiveMode(Worksheet& worksheet, settings::Settings& settings, bool live);

}  // namespace tl::sheet
