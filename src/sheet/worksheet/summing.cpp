// "&R.求和": adds up the values the selected lines show, on a new line below
// them.
#include <string>

#include "sheet/line/line_span.h"
#include "sheet/worksheet/worksheet.h"
#include "text/gbk.h"

namespace tl::sheet {

namespace {
// The part after a line's last "=": the value it shows, or the whole line
// when it has none.
std::string_view ShownPart(std::string_view line) {
  const std::size_t equals = line.rfind('=');
  return equals == std::string_view::npos ? line : line.substr(equals + 1);
}
}  // namespace

void Worksheet::SumSelectedLines() {
  const std::size_t length = box_.SelectionLength();
  if (length == 0) return;
  // The selection widened to whole lines.
  const std::size_t start = AfterLineFeedBefore(box_, box_.Caret());
  const std::size_t end = CarriageReturnFrom(box_, box_.Caret() + length);
  std::string sum;
  bool first = true;
  for (const std::string_view line : text::SplitLines(box_.Slice(start, end))) {
    if (line.empty()) continue;  // an empty line has no parts
    const std::string_view value = ShownPart(line);
    if (!first && !value.starts_with('-')) sum += '+';
    sum += value;
    first = false;
  }
  PlaceCaret(box_, end);
  box_.ReplaceSelection(std::string(text::kCrLf) + sum);
  EvaluateCurrentLine();
}

}  // namespace tl::sheet
