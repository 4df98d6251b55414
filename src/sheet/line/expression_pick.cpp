#include "sheet/line/expression_pick.h"

#include <algorithm>

#include "text/gbk.h"

namespace tl::sheet {

namespace {
constexpr std::size_t npos = std::string_view::npos;

// The offset of the n-th "=" (1-based) of `text`.
std::size_t NthEquals(std::string_view text, std::size_t n) {
  std::size_t at = npos;
  for (std::size_t i = 0; i < n; ++i) at = text.find('=', at + 1);
  return at;
}

// Segment of the line and where it sits.
struct Segment {
  std::string text;
  std::size_t start = 0;  // offset in the line of the segment's raw first byte
};

void PickSpaceSegment(std::string_view line, std::size_t lineStart, std::size_t caret,
                      ExpressionPick& pick, Segment& segment) {
  const std::size_t k = std::min(caret - lineStart, line.size());
  const std::size_t before = k > 0 ? line.rfind(' ', k - 1) : npos;
  const std::size_t after = line.find(' ', k);
  const std::size_t begin = before == npos ? 0 : before + 1;
  const std::size_t end = after == npos ? line.size() : after;
  segment.text.assign(line.substr(begin, end - begin));
  if (after != npos) {
    pick.insertPos = lineStart + after;
    pick.trailingSpaces = line.substr(after, 3) == "   "  ? 0
                          : line.substr(after, 2) == "  " ? 1
                                                          : 2;
  }
  // A segment always ends at the insertion point; an empty one sits there.
  pick.cutStart = pick.insertPos - segment.text.size();
  segment.start = pick.cutStart - lineStart;
}

}  // namespace

ExpressionPick PickExpression(std::string_view line, std::size_t lineStart, std::size_t caret,
                              bool spaceSeparated, std::string storage) {
  ExpressionPick pick;
  std::size_t trimmed = line.size();
  while (trimmed > 0 && line[trimmed - 1] == ' ') --trimmed;
  pick.insertPos = lineStart + trimmed;
  pick.cutStart = lineStart;

  Segment segment{std::move(storage)};
  if (spaceSeparated) {
    PickSpaceSegment(line, lineStart, caret, pick, segment);
  } else {
    text::RemoveSpaces(line, segment.text);
  }

  const std::string_view seg = segment.text;
  // Most lines hold no "=": a forward search says so at once, the backward one
  // reads a byte at a time.
  const std::size_t last =
      seg.size() >= 2 && seg.find('=') != npos ? seg.rfind('=', seg.size() - 2) : npos;
  if (last == npos) {
    pick.exprText = std::move(segment.text);
  } else {
    pick.lineHasNoEquals = false;
    // Spaces never hold an "=", so the n-th "=" of the segment is the n-th of
    // its raw bytes.
    const std::size_t n =
        static_cast<std::size_t>(std::count(seg.begin(), seg.begin() + last + 1, '='));
    const std::string_view raw = line.substr(segment.start);
    pick.lastEquals = lineStart + segment.start + NthEquals(raw, n);
    segment.text.erase(0, last + 1);
    pick.exprText = std::move(segment.text);
  }
  if (pick.exprText == "=") pick.exprText.clear();
  pick.endsWithEquals = pick.exprText.find('=') != npos;
  return pick;
}

}  // namespace tl::sheet
