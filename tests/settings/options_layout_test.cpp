#include "settings/options_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace tl::settings {
namespace {

constexpr int kPanelWidth = 343;
constexpr int kFrameHeight = 335;

bool Overlap(PanelRect a, PanelRect b) {
  return a.x < b.Right() && b.x < a.Right() && a.y < b.Bottom() && b.y < a.Bottom();
}

bool Inside(PanelRect inner, PanelRect outer) {
  return inner.x >= outer.x && inner.y >= outer.y && inner.Right() <= outer.Right() &&
         inner.Bottom() <= outer.Bottom();
}

int NeededWidth(const OptionControl& control) {
  if (control.kind == OptionKind::DropList) {
    int widest = 0;
    for (const DropItem& item : control.items)
      widest = std::max(widest, CaptionWidth(item.caption));
    return widest + 20;  // and the arrow
  }
  if (control.kind == OptionKind::NumberField) return 40;
  return CheckBoxWidth(control.caption);
}

TEST(OptionsLayout, EachSectionStartsWhereItsTabScrollsAndNothingOverlapsOrIsCut) {
  const OptionsLayout layout = LayOutOptions(kPanelWidth, kFrameHeight);
  std::vector<PanelRect> placed;
  for (const OptionControl& control : OptionControls()) {
    const GroupInfo& group = GroupOf(control.group);
    if (group.section == kButtonRow) continue;
    const PanelRect rect = layout.controls[IndexOf(control.option)];
    const PanelRect box = layout.groups[static_cast<std::size_t>(control.group)];
    const auto section = static_cast<std::size_t>(group.section);
    const int shownFrom = kTabScroll[section] + kPanelOffset;
    const int nextSection =
        section + 1 < kTabScroll.size() ? kTabScroll[section + 1] + kPanelOffset : layout.height;
    EXPECT_TRUE(Inside(rect, box)) << control.caption;
    EXPECT_GE(box.y, shownFrom) << group.caption;
    EXPECT_LE(box.Bottom(), nextSection) << group.caption;
    EXPECT_LE(box.Right(), kPanelWidth) << group.caption;
    EXPECT_GE(rect.width, NeededWidth(control)) << control.caption;
    std::vector<PanelRect> own = {rect};
    if (control.kind == OptionKind::NumberField) {
      const PanelRect label = layout.labels[IndexOf(control.option)];
      EXPECT_GE(label.width, CaptionWidth(control.caption)) << control.caption;
      EXPECT_TRUE(Inside(label, box)) << control.caption;
      own.push_back(label);
    }
    for (PanelRect mine : own)
      for (PanelRect other : placed) EXPECT_FALSE(Overlap(mine, other)) << control.caption;
    placed.insert(placed.end(), own.begin(), own.end());
  }
  EXPECT_GE(ScrollMaximum(layout.height, kFrameHeight), kTabScroll.back());
}

TEST(OptionsLayout, TabsAndScrollPositionsFollowEachOther) {
  const std::pair<int, int> positions[] = {
      {0, 0}, {256, 0}, {257, 1}, {649, 1}, {650, 2}, {959, 2}, {960, 3}, {2000, 3},
  };
  for (const auto& [position, tab] : positions) EXPECT_EQ(TabForScroll(position), tab) << position;
  for (int tab = 0; tab < 4; ++tab) EXPECT_EQ(TabForScroll(ScrollForTab(tab)), tab);
  EXPECT_EQ(PanelTop(257), -267);
  EXPECT_EQ(ScrollMaximum(1325, 335), 960);
}

TEST(OptionsLayout, FocusScrollsAControlIntoView) {
  const OptionsLayout layout = LayOutOptions(kPanelWidth, kFrameHeight);
  const auto shown = [&](Option option, int position) {
    const PanelRect rect = layout.controls[IndexOf(option)];
    return rect.y >= position + kPanelOffset &&
           rect.Bottom() <= position + kPanelOffset + kFrameHeight;
  };
  const Option options[] = {Option::Notebook, Option::Thousands, Option::AddLastResult};
  for (Option option : options) {
    for (int from : {0, 500, 960}) {
      const int position = ScrollToShow(layout, option, from, kFrameHeight);
      EXPECT_TRUE(shown(option, position)) << static_cast<int>(option) << " from " << from;
    }
  }
  // What is shown already stays where it is.
  EXPECT_EQ(ScrollToShow(layout, Option::Notebook, 0, kFrameHeight), 0);
  EXPECT_EQ(ScrollToShow(layout, Option::AddLastResult, 960, kFrameHeight), 960);
}

}  // namespace
}  // namespace tl::settings
