#include "sheet/line/expression_pick.h"

#include <gtest/gtest.h>

#include "text/gbk.h"

namespace tl::sheet {
namespace {

constexpr std::size_t npos = std::string_view::npos;
constexpr std::size_t kLineStart = 100;  // the line sits somewhere in a larger text

struct PickCase {
  std::string line;  // "|" marks the caret
  std::string expr;
  bool noEquals;
  bool endsWithEquals;
  std::size_t insertAt;    // in the line
  std::size_t lastEquals;  // in the line, npos for none
};

ExpressionPick Pick(const std::string& marked, bool spaceSeparated) {
  std::string line = marked;
  const std::size_t caret = text::Find(line, "|");
  line.erase(caret, 1);
  return PickExpression(line, kLineStart, kLineStart + caret, spaceSeparated);
}

void Check(const PickCase& c, bool spaceSeparated) {
  const ExpressionPick pick = Pick(c.line, spaceSeparated);
  EXPECT_EQ(pick.exprText, c.expr) << c.line;
  EXPECT_EQ(pick.lineHasNoEquals, c.noEquals) << c.line;
  EXPECT_EQ(pick.endsWithEquals, c.endsWithEquals) << c.line;
  EXPECT_EQ(pick.insertPos, kLineStart + c.insertAt) << c.line;
  EXPECT_EQ(pick.lastEquals, c.lastEquals == npos ? npos : kLineStart + c.lastEquals) << c.line;
}

TEST(ExpressionPick, TheExpressionIsTheTextAfterTheLastEquals) {
  const PickCase cases[] = {
      {"1+2|", "1+2", true, false, 3, npos},
      {"1+2=|", "1+2=", true, true, 4, npos},
      {"1+2=3+4|", "3+4", false, false, 7, 3},
      {"1+2=3+4=|", "3+4=", false, true, 8, 3},
      // A computed chain continues from its last value, never from the part
      // between its last two "=".
      {"1+2=3+4=7|", "7", false, false, 9, 7},
      {"1+2=3+4=7+1|", "7+1", false, false, 11, 7},
      {"1+25+3=6+1+2+3=12|", "12", false, false, 17, 14},
      {"=|", "", true, false, 1, npos},
      {"1+2==|", "", false, false, 5, 3},
      {"|12+3", "12+3", true, false, 4, npos},
      // Spaces are dropped; the result goes after the last non-space byte,
      // and the "=" is found among the raw bytes.
      {"1 + 2 = 3 + 4  |", "3+4", false, false, 13, 6},
      {"  |", "", true, false, 0, npos},
      {"5\xA1\xA1=|", "5=", true, true, 4, npos},  // an ideographic space
  };
  for (const PickCase& c : cases) Check(c, false);
}

TEST(ExpressionPick, SpaceSeparatedExpressionsArePickedAtTheCaret) {
  struct SegmentCase {
    PickCase pick;
    int trailingSpaces;
    std::size_t cutStart;  // in the line
  };
  const SegmentCase cases[] = {
      {{"1+1|  2+2", "1+1", true, false, 3, npos}, 1, 0},
      {{"1+1 |2+2", "2+2", true, false, 7, npos}, 0, 4},
      {{"1+1   2+|2   3+3", "2+2", true, false, 9, npos}, 0, 6},
      {{"1+1=2 2|+2 3", "2+2", true, false, 9, npos}, 2, 6},
      {{"1+2=3|", "3", false, false, 5, 3}, 0, 0},
      {{"7 1+2=3+4|", "3+4", false, false, 9, 5}, 0, 2},
      {{"1+2   |", "", true, false, 3, npos}, 0, 3},  // behind the last space: nothing
  };
  for (const SegmentCase& c : cases) {
    Check(c.pick, true);
    const ExpressionPick pick = Pick(c.pick.line, true);
    EXPECT_EQ(pick.trailingSpaces, c.trailingSpaces) << c.pick.line;
    EXPECT_EQ(pick.cutStart, kLineStart + c.cutStart) << c.pick.line;
  }
}

}  // namespace
}  // namespace tl::sheet
