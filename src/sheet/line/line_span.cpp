#include "sheet/line/line_span.h"

#include "text/gbk.h"

namespace tl::sheet {

std::size_t AfterLineFeedBefore(EditBox& box, std::size_t position) {
  const std::size_t lineFeed = box.RFindBytes("\n", position);
  return lineFeed == text::npos ? 0 : lineFeed + 1;
}

std::size_t CarriageReturnFrom(EditBox& box, std::size_t position) {
  const std::size_t carriageReturn = box.FindBytes("\r", position);
  return carriageReturn == text::npos ? box.Size() : carriageReturn;
}

std::size_t CharacterBefore(EditBox& box, std::size_t position) {
  if (position == 0) return 0;
  // A line starts after a line feed, which is never a second byte: stepping
  // from there finds the character boundaries.
  const std::size_t lineStart = AfterLineFeedBefore(box, position - 1);
  const std::string_view line = box.Slice(lineStart, position);
  return lineStart + text::PrevChar(line, line.size());
}

}  // namespace tl::sheet
