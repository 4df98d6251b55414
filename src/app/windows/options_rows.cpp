#include "app/windows/options_rows.h"

#include <algorithm>

namespace tl::app {

namespace {

using settings::Option;
using settings::OptionControl;
using settings::OptionKind;
using settings::PanelRect;

constexpr int kFirstOption = 100;
constexpr int kFrameTop = 30;
constexpr int kFrameWidth = 343;
constexpr int kItemHeight = 20;  // one item of a dropped list
constexpr int kListItems = 8;    // items a dropped list shows before it scrolls

ControlKind KindOf(OptionKind kind) {
  switch (kind) {
    case OptionKind::Radio:
      return ControlKind::Radio;
    case OptionKind::DropList:
      return ControlKind::DropList;
    case OptionKind::NumberField:
      return ControlKind::Field;
    case OptionKind::CheckBox:
      break;
  }
  return ControlKind::CheckBox;
}

// Arrow keys move within a group that starts at a row with WS_GROUP: every
// row starts one but a radio that follows a radio of its own group.
DWORD GroupStyle(const OptionControl& control, const OptionControl* before) {
  const bool continuesRadios = control.kind == OptionKind::Radio && before &&
                               before->kind == OptionKind::Radio && before->group == control.group;
  return continuesRadios ? 0 : WS_GROUP;
}

ControlRow OptionRow(const OptionControl& control, PanelRect r, DWORD group) {
  const bool button = control.kind == OptionKind::CheckBox || control.kind == OptionKind::Radio;
  // A drop list's window holds its dropped list as well.
  const int listHeight =
      control.kind == OptionKind::DropList
          ? kItemHeight * std::min<int>(kListItems, static_cast<int>(control.items.size())) + 4
          : 0;
  return {KindOf(control.kind),
          control.kind == OptionKind::NumberField ? std::string_view{} : control.caption,
          r.x,
          r.y,
          r.width,
          r.height + listHeight,
          ControlId(control.option),
          control.tooltip,
          group | (button ? BS_NOTIFY : 0)};
}

std::vector<ControlRow> PanelRows(const settings::OptionsLayout& layout) {
  std::vector<ControlRow> rows;
  const OptionControl* before = nullptr;
  for (const OptionControl& control : settings::OptionControls()) {
    const settings::GroupInfo& group = settings::GroupOf(control.group);
    if (group.section == settings::kButtonRow) continue;
    const std::size_t index = settings::IndexOf(control.option);
    if ((!before || before->group != control.group) && !group.caption.empty()) {
      const PanelRect box = layout.groups[static_cast<std::size_t>(control.group)];
      rows.push_back({ControlKind::GroupBox,
                      group.caption,
                      box.x,
                      box.y,
                      box.width,
                      box.height,
                      -1,
                      {},
                      WS_GROUP});
    }
    if (control.kind == OptionKind::NumberField) {
      const PanelRect label = layout.labels[index];
      rows.push_back({ControlKind::Label,
                      control.caption,
                      label.x,
                      label.y,
                      label.width,
                      label.height,
                      -1,
                      {},
                      WS_GROUP});
    }
    rows.push_back(OptionRow(control, layout.controls[index], GroupStyle(control, before)));
    before = &control;
  }
  return rows;
}

OptionsRows BuildRows() {
  OptionsRows rows;
  rows.layout = settings::LayOutOptions(kFrameWidth, kOptionsFrameHeight);
  const OptionControl& live = settings::ControlOf(Option::LiveMode);
  rows.window = {
      {ControlKind::Tabs, "", 4, 4, kOptionsWidth - 8, 24, kOptionsTabs},
      {ControlKind::Pane, "", 0, kFrameTop, kFrameWidth, kOptionsFrameHeight, kOptionsFrame},
      {ControlKind::VScrollBar, "", kFrameWidth, kFrameTop, kOptionsWidth - kFrameWidth,
       kOptionsFrameHeight, kOptionsScrollBar},
      {ControlKind::CheckBox,
       live.caption,
       10,
       378,
       120,
       20,
       ControlId(live.option),
       {},
       WS_GROUP | BS_NOTIFY},
      {ControlKind::DefaultButton, "确定", 184, 374, 80, 28, IDOK, {}, WS_GROUP},
      {ControlKind::Button, "取消", 272, 374, 80, 28, IDCANCEL},
  };
  rows.panelHolder = {{ControlKind::Pane, "", 0, settings::PanelTop(0), rows.layout.width,
                       rows.layout.height, kOptionsPanel}};
  rows.panel = PanelRows(rows.layout);
  return rows;
}

}  // namespace

const OptionsRows& TheOptionsRows() {
  static const OptionsRows rows = BuildRows();
  return rows;
}

int ControlId(Option option) {
  return kFirstOption + static_cast<int>(option);
}

std::optional<Option> OptionOfId(int id) {
  if (id < kFirstOption || id >= kFirstOption + static_cast<int>(Option::Count))
    return std::nullopt;
  return static_cast<Option>(id - kFirstOption);
}

}  // namespace tl::app
