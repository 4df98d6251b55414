#include "sheet/worksheet/live_mode.h"

namespace tl::sheet {

void SetLiveMode(Worksheet& worksheet, settings::Settings& settings, bool live) {
  // The menu command inverts the setting: start from the other mode.
  settings.动态刷新 = !live;
  worksheet.Execute(Command::LiveMode);
}

}  // namespace tl::sheet
