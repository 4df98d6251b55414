#include "sheet/tools/keyboard_layout.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace tl::sheet {

namespace {

constexpr int kDrawnHeight = 285;
constexpr int kRowTops[] = {5, 41, 77, 113, 149, 185, 223};
constexpr int kHeights[] = {33, 70};  // one row, two rows

struct Column {
  int left;
  int drawnWidth;  // the window width `left` is drawn for
};
constexpr int kScientificWidth = 540;
constexpr int kSimpleWidth = 312;
constexpr Column kScientificColumns[] = {{9, 540},   {84, 540},  {159, 540}, {234, 540},
                                         {309, 540}, {384, 540}, {460, 540}};
constexpr Column kSimpleColumns[] = {{-391, 540}, {-316, 540}, {-241, 540}, {6, 312},
                                     {81, 312},   {156, 312},  {232, 312}};
constexpr int kWidths[] = {72, 147};  // one column, two columns

// size × drawn / base, truncated toward zero.
int Scale(int size, int drawn, int base) {
  return static_cast<int>(static_cast<std::int64_t>(size) * drawn / base);
}

}  // namespace

KeyRect KeyButtonRect(const KeyboardButton& button, bool scientific, int width, int height) {
  const Column& column = (scientific ? kScientificColumns : kSimpleColumns)[button.column - 1];
  const int widthBase = scientific ? kScientificWidth : kSimpleWidth;
  return {Scale(width, column.left, column.drawnWidth),
          Scale(height, kRowTops[button.row - 1], kDrawnHeight),
          Scale(width, kWidths[button.columnSpan - 1], widthBase),
          Scale(height, kHeights[button.rowSpan - 1], kDrawnHeight)};
}

int SwitchedKeyboardWidth(int width, bool toScientific) {
  return toScientific ? Scale(width, 540, 310) : Scale(width, 310, 540);
}

KeyRect FitKeyboardWindow(KeyRect stored, KeyRect workArea, int minimumWidth, int minimumHeight) {
  const auto fit = [](int position, int size, int start, int room, int minimum) {
    size = std::min(std::max(size, minimum), std::max(room, minimum));
    position = std::max(std::min(position, start + room - size), start);
    return std::pair{position, size};
  };
  const auto [left, width] =
      fit(stored.left, stored.width, workArea.left, workArea.width, minimumWidth);
  const auto [top, height] =
      fit(stored.top, stored.height, workArea.top, workArea.height, minimumHeight);
  return {left, top, width, height};
}

int KeyFontHeight(int buttonWidth, int buttonHeight) {
  return std::max(1, std::min(buttonHeight * 3 / 5, buttonWidth * 3 / 10));
}

}  // namespace tl::sheet
