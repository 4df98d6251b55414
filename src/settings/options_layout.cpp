#include "settings/options_layout.h"

#include <algorithm>
#include <vector>

#include "text/gbk.h"

namespace tl::settings {

namespace {

constexpr int kMargin = 8;       // panel edge to group box
constexpr int kPadding = 8;      // group box edge to its controls
constexpr int kTitle = 20;       // group box top to its first row
constexpr int kRow = 24;         // one row of controls
constexpr int kBottom = 4;       // last row to the bottom of the box
constexpr int kGap = 4;          // between groups, and after a label
constexpr int kSpacing = 2;      // between a control and the next in its row
constexpr int kFieldWidth = 70;  // a number field
constexpr int kDropWidth = 200;  // the widest drop list
constexpr int kScrollReserve = 30;

int HeightOf(OptionKind kind) {
  switch (kind) {
    case OptionKind::DropList:
      return 24;
    case OptionKind::NumberField:
      return 22;
    default:
      return 20;
  }
}

std::vector<const OptionControl*> ControlsIn(OptionGroup group) {
  std::vector<const OptionControl*> found;
  for (const OptionControl& control : OptionControls())
    if (control.group == group) found.push_back(&control);
  return found;
}

int GroupHeight(const GroupInfo& group) {
  const int count = static_cast<int>(ControlsIn(group.group).size());
  const int rows = (count + group.columns - 1) / group.columns;
  return (group.caption.empty() ? 0 : kTitle) + rows * kRow + kBottom;
}

PanelRect InRow(int x, int rowY, int width, int height) {
  return {x, rowY + (kRow - height) / 2, width, height};
}

// The group's controls in its box, row by row.
void PlaceControls(const GroupInfo& group, PanelRect box, OptionsLayout& layout) {
  const int innerX = box.x + kPadding;
  const int innerWidth = box.width - 2 * kPadding;
  const int cellWidth = innerWidth / group.columns;
  const int firstRow = box.y + (group.caption.empty() ? 0 : kTitle);
  int i = 0;
  for (const OptionControl* control : ControlsIn(group.group)) {
    const std::size_t index = IndexOf(control->option);
    const int x = innerX + (i % group.columns) * cellWidth;
    const int rowY = firstRow + (i / group.columns) * kRow;
    const int height = HeightOf(control->kind);
    if (control->kind == OptionKind::NumberField) {
      const int labelWidth = CaptionWidth(control->caption) + kGap;
      layout.labels[index] = InRow(x, rowY, labelWidth, 20);
      layout.controls[index] = InRow(x + labelWidth, rowY, kFieldWidth, height);
    } else {
      const int width = cellWidth - kSpacing;
      layout.controls[index] = InRow(
          x, rowY, control->kind == OptionKind::DropList ? std::min(width, kDropWidth) : width,
          height);
    }
    ++i;
  }
}

// Lays the groups of one section out from `top` down: a half-width group
// shares its row with the half-width group after it. Returns the bottom.
int PlaceSection(int section, int top, int panelWidth, OptionsLayout& layout) {
  const int fullWidth = panelWidth - 2 * kMargin;
  const int halfWidth = (fullWidth - kGap) / 2;
  int y = top;
  int pendingBottom = -1;  // a left half waiting for its right half
  for (const GroupInfo& group : OptionGroups()) {
    if (group.section != section) continue;
    const int height = GroupHeight(group);
    PanelRect& box = layout.groups[static_cast<std::size_t>(group.group)];
    if (group.halfWidth && pendingBottom >= 0) {
      box = {kMargin + halfWidth + kGap, y, halfWidth, height};
      y = std::max(pendingBottom, box.Bottom()) + kGap;
      pendingBottom = -1;
    } else {
      if (pendingBottom >= 0) y = pendingBottom + kGap;
      pendingBottom = -1;
      box = {kMargin, y, group.halfWidth ? halfWidth : fullWidth, height};
      if (group.halfWidth)
        pendingBottom = box.Bottom();
      else
        y = box.Bottom() + kGap;
    }
    PlaceControls(group, box, layout);
  }
  return pendingBottom >= 0 ? pendingBottom : y;
}

}  // namespace

int CaptionWidth(std::string_view caption) {
  int width = 0;
  for (std::size_t p = 0; p < caption.size(); p = text::NextChar(caption, p))
    width += text::NextChar(caption, p) - p == 2 ? 14 : 8;
  return width;
}

OptionsLayout LayOutOptions(int panelWidth, int frameHeight) {
  OptionsLayout layout;
  layout.width = panelWidth;
  int bottom = 0;
  for (std::size_t section = 0; section < kTabScroll.size(); ++section) {
    const int top = kTabScroll[section] + kPanelOffset + kGap;
    bottom = PlaceSection(static_cast<int>(section), top, panelWidth, layout);
  }
  layout.height = std::max(bottom, kTabScroll.back() + frameHeight + kScrollReserve);
  return layout;
}

int ScrollMaximum(int panelHeight, int frameHeight) {
  return std::max(0, panelHeight - frameHeight - kScrollReserve);
}

int ScrollForTab(int tab) {
  return kTabScroll[static_cast<std::size_t>(std::clamp(tab, 0, 3))];
}

int TabForScroll(int position) {
  int tab = 0;
  for (std::size_t i = 0; i < kTabScroll.size(); ++i)
    if (position >= kTabScroll[i]) tab = static_cast<int>(i);
  return tab;
}

int ScrollToShow(const OptionsLayout& layout, Option option, int position, int frameHeight) {
  const PanelRect control = layout.controls[IndexOf(option)];
  const PanelRect box = layout.groups[static_cast<std::size_t>(ControlOf(option).group)];
  const int top = std::min(box.y, control.y) - kGap;
  const int bottom = control.Bottom() + kGap;
  int wanted = position;
  if (bottom > position + kPanelOffset + frameHeight) wanted = bottom - frameHeight - kPanelOffset;
  if (top < wanted + kPanelOffset) wanted = top - kPanelOffset;
  return std::clamp(wanted, 0, ScrollMaximum(layout.height, frameHeight));
}

}  // namespace tl::settings
