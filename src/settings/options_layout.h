#pragma once
// Where the options dialog's controls stand on its scrolled panel, and how
// the panel scrolls. Lengths are pixels at 96 DPI; the window scales them.
//
// The panel is taller than the frame that shows it. At scroll position p its
// top edge is at -p - 10 in the frame, so the panel row p + 10 is the first
// one shown. The four tabs jump to the positions in kTabScroll, and each
// section of the panel starts at the row its tab brings to the top.
#include <array>
#include <string_view>

#include "settings/option_controls.h"

namespace tl::settings {

struct PanelRect {
  int x = 0, y = 0, width = 0, height = 0;
  int Bottom() const { return y + height; }
  int Right() const { return x + width; }
};

inline constexpr std::array<std::string_view, 4> kTabCaptions = {"常用功能", "值设置", "快捷键",
                                                                 "特色功能"};
inline constexpr std::array<int, 4> kTabScroll = {0, 257, 650, 960};

struct OptionsLayout {
  int width = 0, height = 0;  // the panel
  // Each group's box; a group without a caption has no box but still the
  // rectangle it fills.
  std::array<PanelRect, static_cast<std::size_t>(OptionGroup::Count)> groups{};
  // Each control on the panel (empty for the button row's); a number field's
  // label stands in `labels`.
  std::array<PanelRect, kOptionCount> controls{};
  std::array<PanelRect, kOptionCount> labels{};
};

// The panel `panelWidth` wide, shown through a frame `frameHeight` high: tall
// enough that the last tab's position can be scrolled to.
OptionsLayout LayOutOptions(int panelWidth, int frameHeight);

// The width of a caption in the dialog's font: 14 for a double-byte
// character, 8 for any other byte.
int CaptionWidth(std::string_view caption);

// The width a check box or radio button needs for its caption.
inline int CheckBoxWidth(std::string_view caption) {
  return 18 + CaptionWidth(caption);
}

inline constexpr int kPanelOffset = 10;  // the panel rows above the frame at position 0
inline int PanelTop(int position) {
  return -position - kPanelOffset;
}
int ScrollMaximum(int panelHeight, int frameHeight);
int ScrollForTab(int tab);
int TabForScroll(int position);

// The position nearest to `position` at which the control and the top of
// its group box are shown whole.
int ScrollToShow(const OptionsLayout& layout, Option option, int position, int frameHeight);

}  // namespace tl::settings
