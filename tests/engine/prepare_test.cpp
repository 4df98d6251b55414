#include "engine/prepare.h"

#include <gtest/gtest.h>

#include <string>

namespace tl::engine {
namespace {

struct PrepareCase {
  std::string input;
  std::string prepared;
};

TEST(PrepareExpression, DeletesSpacesLowersAndFolds) {
  const PrepareCase cases[] = {
      {"1 + 2", "1+2 "},
      {"1\xA1\xA1+ 2", "1+2 "},  // ideographic space
      {"SIN(30)", "sin(30) "},
      {"５×（２＋３）", "5×(2+3) "},  // "×" is not a full-width form: kept
      {"ｓｉｎ30", "sin30 "},
      // Lowered before the fold: full-width capitals stay capitals.
      {"ＳＩＮ30", "SIN30 "},
      {"！￣", "!~ "},  // both ends of row A3
      {"～☆★", "~** "},
      {"３．５％", "3.5% "},
      {"单价3", "单价3 "},
  };
  for (const auto& c : cases) EXPECT_EQ(PrepareExpression(c.input), c.prepared) << c.input;
}

TEST(PrepareExpression, NothingLeftIsASingleSpace) {
  for (const std::string input : {"", " ", "   ", "\xA1\xA1", " \xA1\xA1 "}) {
    EXPECT_EQ(PrepareExpression(input), " ") << input;
  }
}

TEST(PrepareExpression, NeverTouchesASecondByte) {
  const PrepareCase cases[] = {
      {"1∟2", "1∟2 "},              // A8 4E: "N" stays upper case
      {"\x81\x41Z", "\x81\x41z "},  // second byte "A" kept, the real "Z" lowered
      {"\xA3\x80", "\xA3\x80 "},    // row A3 below "！" is not folded
      {"\x81 1", "1 "},             // a space is no second byte: the lone lead byte goes
      {"\xA1\xA1\xA1", " "},        // ideographic space, then a lone lead byte
      {"1+\xD6", "1+ "},            // a lone lead byte cannot swallow the end marker
  };
  for (const auto& c : cases) EXPECT_EQ(PrepareExpression(c.input), c.prepared) << c.input;
}

}  // namespace
}  // namespace tl::engine
