#include "text/gbk.h"

#include <gtest/gtest.h>

namespace tl::text {
namespace {

// "∟" is A8 4E: its second byte is the ASCII letter "N".
const std::string kRightAngle = "\xA8\x4E";
// "×" is A1 C1, "中" is D6 D0, "\x95\x5C" is a character whose second byte is "\".
const std::string kBackslashTrail = "\x95\x5C";

// Source files are UTF-8; the compiler writes every literal as GBK bytes.
TEST(Gbk, LiteralsAreGbkBytes) {
  EXPECT_EQ(std::string("∟"), kRightAngle);
  EXPECT_EQ(std::string("×÷√π‰"), "\xA1\xC1\xA1\xC2\xA1\xCC\xA6\xD0\xA1\xEB");
  EXPECT_EQ(std::string("中（，）"), "\xD6\xD0\xA3\xA8\xA3\xAC\xA3\xA9");
}

TEST(Gbk, StepsOverWholeCharacters) {
  const std::string text = "a" + kRightAngle + "b\xD6\xD0";
  EXPECT_EQ(NextChar(text, 0), 1u);
  EXPECT_EQ(NextChar(text, 1), 3u);
  EXPECT_EQ(NextChar(text, 3), 4u);
  EXPECT_EQ(NextChar(text, 4), 6u);
  EXPECT_EQ(NextChar(text, 6), 6u);
  EXPECT_EQ(PrevChar(text, 6), 4u);
  EXPECT_EQ(PrevChar(text, 4), 3u);
  EXPECT_EQ(PrevChar(text, 3), 1u);
  EXPECT_EQ(PrevChar(text, 1), 0u);
  EXPECT_EQ(PrevChar(text, 0), 0u);
  EXPECT_EQ(CharStart(text, 2), 1u);  // the second byte of "∟"
  EXPECT_EQ(CharStart(text, 5), 4u);
}

TEST(Gbk, CharStartResolvesRunsOfLeadBytes) {
  // D6 D0 D6 D0 ... : without a boundary byte the pairing is only known from
  // the start of the run.
  std::string text = "1";
  for (int i = 0; i < 5; ++i) text += "\xD6\xD0";
  for (std::size_t p = 1; p < text.size(); ++p) EXPECT_EQ(CharStart(text, p), p - (p - 1) % 2);
  EXPECT_EQ(CharStart(text, text.size()), text.size());
}

// Found by fuzzing the worksheet: a first byte before a line feed made the
// line feed a second byte, and the caret landed inside that "character".
TEST(Gbk, FirstByteBeforeALineBreakIsACharacterOfItsOwn) {
  const std::string text =
      "\xB2\xB2\xB2\n\r\n\xB2"
      "1";
  EXPECT_EQ(NextChar(text, 0), 2u);
  EXPECT_EQ(NextChar(text, 2), 3u);  // B2 before LF stands alone
  EXPECT_EQ(CharStart(text, 3), 3u);
  EXPECT_EQ(CharStart(text, 4), 4u);
  EXPECT_EQ(NextChar(text, 6), 7u);  // B2 before "1" stands alone too
  EXPECT_EQ(SplitLines(text).size(), 2u);
  EXPECT_EQ(Find(text, "\n"), 3u);
}

// 0x80 ("€") and 0xFF are characters of one byte in code page 936, as the
// edit control shows them: the byte after them is a character of its own.
TEST(Gbk, EuroAndFFStandAlone) {
  const std::string text =
      "\x80\xD6\xD0\xFF"
      "A";
  EXPECT_EQ(NextChar(text, 0), 1u);
  EXPECT_EQ(NextChar(text, 1), 3u);
  EXPECT_EQ(NextChar(text, 3), 4u);
  EXPECT_EQ(CharStart(text, 2), 1u);
}

struct FindCase {
  std::string text;
  std::string needle;
  std::size_t from;
  std::size_t expected;
};

TEST(Gbk, FindNeverMatchesAtASecondByte) {
  const FindCase cases[] = {
      {kRightAngle + "N", "N", 0, 2},
      {kRightAngle, "N", 0, npos},
      {"x" + kBackslashTrail + "\\", "\\", 0, 3},
      {"1+2=3", "=", 0, 3},
      {"1=2=3", "=", 2, 3},
      {"\xA1\xC1\xA1\xC1", "\xC1\xA1", 0, npos},  // "××": C1 A1 straddles two characters
      {"abc", "", 1, 1},
      {"abc", "abcd", 0, npos},
  };
  for (const auto& c : cases) EXPECT_EQ(Find(c.text, c.needle, c.from), c.expected) << c.text;
}

TEST(Gbk, RFindNeverMatchesAtASecondByte) {
  const FindCase cases[] = {
      {"N" + kRightAngle, "N", npos, 0},
      {kRightAngle, "N", npos, npos},
      {"1=2=3", "=", npos, 3},
      {"1=2=3", "=", 3, 1},  // must end at or before offset 3
      {"1=2=3", "=", 4, 3},
      {"\xA1\xC1\xA1\xC1", "\xC1\xA1", npos, npos},
      {"", "=", npos, npos},
  };
  for (const auto& c : cases) EXPECT_EQ(RFind(c.text, c.needle, c.from), c.expected) << c.text;
}

TEST(Gbk, SplitLinesAtCrLfOnly) {
  EXPECT_EQ(SplitLines(""), (std::vector<std::string_view>{""}));
  EXPECT_EQ(SplitLines("a\r\nb"), (std::vector<std::string_view>{"a", "b"}));
  EXPECT_EQ(SplitLines("a\r\n"), (std::vector<std::string_view>{"a", ""}));
  EXPECT_EQ(SplitLines("a\nb\rc"), (std::vector<std::string_view>{"a\nb\rc"}));
}

TEST(Gbk, RemoveSpacesKeepsEveryRunBetweenSpaces) {
  struct Case {
    std::string text;
    std::string expected;
  };
  const Case cases[] = {
      {"", ""},
      {"1+2", "1+2"},
      {"  1 + 2  ", "1+2"},
      {"\xA1\xA1\xA1\xA1 x\xA1\xA1", "x"},
      {"\xB0\xA1\xA1\xB0", "\xB0\xA1\xA1\xB0"},  // A1 A1 across two characters
      {"\xA1 1", "\xA1\x31"},                    // a lead byte before a space stands alone
      {"\xD6\xD0 \xD6\xD0\xA1\xA1\x35", "\xD6\xD0\xD6\xD0\x35"},
  };
  for (const Case& c : cases) EXPECT_EQ(RemoveSpaces(c.text), c.expected) << c.text;
}

// Texts are scanned eight bytes at a time: a space or a two-byte character
// at every position of a longer text, and in the bytes after the last eight.
TEST(Gbk, RemoveSpacesFindsSpacesAtEveryPosition) {
  const std::string digits = "012345678901234567890";
  for (std::size_t k = 0; k <= digits.size(); ++k) {
    const std::string before = digits.substr(0, k);
    const std::string after = digits.substr(k);
    EXPECT_EQ(RemoveSpaces(before + " " + after), digits) << k;
    EXPECT_EQ(RemoveSpaces(before + "\xA1\xA1" + after), digits) << k;
    EXPECT_EQ(RemoveSpaces(before + "\xB0\xA1" + after), before + "\xB0\xA1" + after) << k;
    EXPECT_TRUE(EqualsWithoutSpaces(before + " " + after, digits)) << k;
    EXPECT_FALSE(EqualsWithoutSpaces(before + "\xB0\xA1" + after, digits)) << k;
  }
}

TEST(Gbk, EqualsWithoutSpacesComparesAsIfTheSpacesWereRemoved) {
  struct Case {
    std::string text;
    std::string other;
    bool equal;
  };
  const Case cases[] = {
      {"", "", true},
      {"  \xA1\xA1", "", true},
      {"1+2", "1+2", true},
      {"1+2", "1+3", false},
      {"1+2", "1+2 ", false},
      {" 1 +\xA1\xA1\x32", "1+2", true},
      {"1 +2", "1 +2", false},
      {"\xB0\xA1\xA1\xB0", "\xB0\xA1\xA1\xB0", true},  // A1 bytes, yet no space
      {"\xB0\xA1 \xA1\xB0", "\xB0\xA1\xA1\xB0", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EqualsWithoutSpaces(c.text, c.other), c.equal) << c.text << " / " << c.other;
  }
}

TEST(Gbk, SpacesAndCaseLeaveSecondBytesAlone) {
  EXPECT_EQ(RemoveSpaces("1 +\xA1\xA1"
                         "2"),
            "1+2");
  EXPECT_EQ(RemoveSpaces("\xA1\xA1\xA1"), "\xA1");  // a lone lead byte at the end stays
  EXPECT_EQ(ToLowerAscii("SIN" + kRightAngle + "X"), "sin" + kRightAngle + "x");
  EXPECT_EQ(ToLowerAscii("\xC3\x41"), "\xC3\x41");  // second byte "A" stays upper-case
  EXPECT_EQ(ReplaceAll("2\xA1\xC1"
                       "3\xA1\xC1",
                       "\xA1\xC1", "*"),
            "2*3*");
  EXPECT_EQ(ReplaceAll(kRightAngle + "N", "N", "n"), kRightAngle + "n");
}

}  // namespace
}  // namespace tl::text
