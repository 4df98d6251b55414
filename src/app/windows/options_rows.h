#pragma once
// The options dialog's control tables, built once from the options table
// and its panel layout: the window's own rows (the tab strip, the frame the
// panel scrolls in, the scroll bar, "实时计算", "确定", "取消") and the
// panel's rows (group boxes, labels and the option controls, in table
// order, which is the Tab order).
#include <optional>
#include <vector>

#include "app/kit/control_table.h"
#include "settings/option_controls.h"
#include "settings/options_layout.h"

namespace tl::app {

enum : int { kOptionsTabs = 10, kOptionsFrame = 11, kOptionsScrollBar = 12, kOptionsPanel = 13 };

inline constexpr int kOptionsWidth = 360;  // client area at 96 DPI
inline constexpr int kOptionsHeight = 411;
inline constexpr int kOptionsFrameHeight = 335;

struct OptionsRows {
  settings::OptionsLayout layout;
  std::vector<ControlRow> window;
  std::vector<ControlRow> panelHolder;  // the panel itself, inside the frame
  std::vector<ControlRow> panel;
};

const OptionsRows& TheOptionsRows();

int ControlId(settings::Option option);
std::optional<settings::Option> OptionOfId(int id);

}  // namespace tl::app
