#include "sheet/line/line_breaks.h"

#include <algorithm>

#include "text/gbk.h"

namespace tl::sheet {

namespace {
std::size_t Pieces(std::string_view text, char separator) {
  const auto count = static_cast<std::size_t>(std::count(text.begin(), text.end(), separator));
  return count + 1 - (!text.empty() && text.back() == separator ? 1 : 0);
}

std::size_t CountCrLf(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t at = text.find(text::kCrLf); at != text::npos;
       at = text.find(text::kCrLf, at + 2))
    ++count;
  return count;
}
}  // namespace

bool LineBreaksInconsistent(std::string_view text) {
  return Pieces(text, '\r') != Pieces(text, '\n') + 1;
}

std::string RepairLineBreaks(std::string_view text) {
  std::string repaired;
  repaired.reserve(text.size() + text.size() / 16);
  for (const char c : text) {
    if (c == '\r') continue;
    if (c == '\n') {
      repaired += text::kCrLf;
    } else {
      repaired += c == '\t' ? ' ' : c;
    }
  }
  return repaired;
}

LineBreakMark AdvanceMark(EditBox& box, LineBreakMark mark, std::size_t position) {
  if (position < mark.position) mark = {};
  mark.breaks += CountCrLf(box.Slice(mark.position, position));
  mark.position = position;
  return mark;
}

std::optional<CaretPlace> LocateCaret(EditBox& box, std::size_t caret, LineBreakMark mark) {
  const std::size_t end = std::min(caret + 1, box.Size());
  if (end == 0) return std::nullopt;
  // A mark at the end of the text serves a caret there.
  if (end < mark.position || (end == mark.position && end == caret + 1)) mark = {};
  const std::string_view tail = box.Slice(mark.position, end);
  std::size_t breaks = mark.breaks;
  std::size_t lineStart = 0;
  std::size_t previousStart = 0;
  for (std::size_t at = tail.find(text::kCrLf); at != text::npos;
       at = tail.find(text::kCrLf, at + 2)) {
    ++breaks;
    previousStart = lineStart;
    lineStart = at + 2;
  }
  if (lineStart == tail.size()) {
    // At the very end of a text that ends with CR LF the caret stands on the
    // empty last line.
    if (caret >= box.Size()) return CaretPlace{breaks + 1, 1};
    // Between the CR and the LF: the empty piece after them does not count,
    // the line before it is the last piece.
    return CaretPlace{breaks, lineStart - 2 - previousStart};
  }
  return CaretPlace{breaks + 1, tail.size() - lineStart};
}

std::optional<CaretPlace> CaretLocator::Locate(EditBox& box, std::size_t caret) {
  if (!counted_ || box.Revision() != revision_) mark_ = {};
  counted_ = true;
  revision_ = box.Revision();
  caret = std::min(caret, box.Size());
  // The caret's line starts behind the last CR LF wholly before it.
  const std::size_t lastBreak = box.Slice(0, caret).rfind(text::kCrLf);
  const std::size_t lineStart = lastBreak == text::npos ? 0 : lastBreak + 2;
  if (lineStart < mark_.position) {
    mark_.breaks -= CountCrLf(box.Slice(lineStart, mark_.position));
    mark_.position = lineStart;
  } else {
    mark_ = AdvanceMark(box, mark_, lineStart);
  }
  return LocateCaret(box, caret, mark_);
}

}  // namespace tl::sheet
