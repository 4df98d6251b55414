#include "app/seams/control_layout.h"

#include <algorithm>

namespace tl::app {

namespace {
// Calibrated by bench/window under Wine: the length of one line, and the
// total of many lines, that take the control about half a second.
constexpr std::size_t kSlowLineBytes = 20000;
constexpr std::size_t kSlowTextBytes = 400000;
}  // namespace

bool ControlLayoutLooksSlow(std::string_view text, std::size_t from, std::size_t to) {
  to = std::min(to, text.size());
  from = std::min(from, to);
  // The touched lines run from the line start before `from` to the line end
  // after `to` (a line feed is never part of a double-byte character).
  const std::size_t lastBreak = text.rfind('\n', from == 0 ? 0 : from - 1);
  const std::size_t start = from == 0 || lastBreak == std::string_view::npos ? 0 : lastBreak + 1;
  const std::size_t end = std::min(text.find('\r', to), text.size());
  if (end - start >= kSlowTextBytes) return true;
  for (std::size_t line = start; line < end;) {
    const std::size_t lineEnd = std::min(text.find('\n', line), end);
    if (lineEnd - line >= kSlowLineBytes) return true;
    line = lineEnd + 1;
  }
  return false;
}

}  // namespace tl::app
