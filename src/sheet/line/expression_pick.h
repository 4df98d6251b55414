#pragma once
// Which part of the caret's line an evaluation works on: the line (spaces
// removed) or, with 空格分式, the space-delimited segment at the caret; where
// the result goes; and the expression after the last "=".
#include <cstddef>
#include <string>
#include <string_view>

namespace tl::sheet {

struct ExpressionPick {
  // Edit offset where the result is inserted (`InsertPos`): just after the
  // line's last non-space byte, or with 空格分式 at the space that ends the
  // segment.
  std::size_t insertPos = 0;
  // The line cut of `refresh line` removes [cutStart, insertPos).
  std::size_t cutStart = 0;
  // Spaces written after the result so that three spaces follow it
  // (空格分式 only): 0, 1 or 2.
  int trailingSpaces = 0;
  // `ExprText`: the text after the last "=" that is not the segment's final
  // byte, or the whole segment when there is none.
  std::string exprText;
  bool lineHasNoEquals = true;  // `LineHasNoEquals`
  bool endsWithEquals = false;  // the expression still holds an "=": no "=" before the result
  // Edit offset of the "=" before `exprText`, npos when there is none.
  std::size_t lastEquals = std::string_view::npos;
};

// `line` is the caret's line without its line break, starting at edit offset
// `lineStart`; `caret` lies in it or at its end. `exprText` is written into
// `storage` (an earlier pick's `exprText`, say), whose capacity is kept.
ExpressionPick PickExpression(std::string_view line, std::size_t lineStart, std::size_t caret,
                              bool spaceSeparated, std::string storage = {});

}  // namespace tl::sheet
