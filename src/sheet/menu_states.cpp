// What the menus show of the worksheet's modes and options, asked for as a
// menu opens.
#include "sheet/worksheet.h"

namespace tl::sheet {

MenuItemState Worksheet::MenuState(Command command) const {
  const bool live = settings_.动态刷新;
  switch (command) {
    case Command::LiveMode:
      return {.checked = live};
    case Command::Record:
      return {.checked = recording_, .enabled = !live};
    case Command::Accumulator:
    case Command::ClearAccumulator:
      return {.enabled = !live};
    case Command::CopyCompatible:
      // Shown only while "*" and "/" are typed as "×" and "÷".
      return {.shown = settings_.乘除替换};
    default:
      return {};
  }
}

}  // namespace tl::sheet
