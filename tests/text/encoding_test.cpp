#include "text/encoding.h"

#include <gtest/gtest.h>

namespace tl::text {
namespace {

struct EncodingCase {
  std::string gbk;
  std::string utf8;
  std::u16string utf16;
};

TEST(Encoding, RoundTripsTheWorksheetCharacters) {
  const EncodingCase cases[] = {
      {"1+2=3\r\n", "1+2=3\r\n", u"1+2=3\r\n"},
      {"\xA8\x4E", "\xE2\x88\x9F", u"\u221F"},
      {"\xA1\xC1\xA1\xC2\xA1\xCC\xA6\xD0", "\xC3\x97\xC3\xB7\xE2\x88\x9A\xCF\x80", u"×÷√π"},
      {"\xD6\xD0\xCE\xC4", "\xE4\xB8\xAD\xE6\x96\x87", u"中文"},
      {"\xA1\xEB", "\xE2\x80\xB0", u"‰"},
      {"", "", u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GbkToUtf8(c.gbk), c.utf8);
    EXPECT_EQ(Utf8ToGbk(c.utf8), c.gbk);
    EXPECT_EQ(GbkToUtf16(c.gbk), c.utf16);
    EXPECT_EQ(Utf16ToGbk(c.utf16), c.gbk);
  }
}

TEST(Encoding, UnrepresentableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToGbk("a\xF0\x9F\x98\x80"
                      "b"),
            "a?b");                           // an emoji has no GBK form
  EXPECT_EQ(Utf16ToGbk(u"a\u0E01b"), "a?b");  // nor has Thai
}

// A first byte with no second byte after it (a line break, a digit) is a
// character of its own: what follows it survives the conversion whole.
TEST(Encoding, ALoneFirstByteNeverTakesTheByteAfterIt) {
  for (const std::string after : {"\r\n1", "5+3", " "}) {
    const std::u16string wide = GbkToUtf16("A\x81" + after);
    ASSERT_EQ(wide.size(), 2 + after.size()) << after;
    EXPECT_EQ(wide.substr(2), std::u16string(after.begin(), after.end())) << after;
    EXPECT_EQ(GbkToUtf8("A\x81" + after).substr(GbkToUtf8("A\x81").size()), after) << after;
  }
}

// Nothing is replaced: without a GBK form of its own (emoji, Thai, À) or
// cut short, the conversion fails.
TEST(Encoding, ExactConversionRefusesWhatItWouldReplace) {
  std::string gbk;
  EXPECT_TRUE(Utf8ToGbkExactly("?1\xC3\x97\xE5\x90\x88", gbk));
  EXPECT_EQ(gbk, "?1\xA1\xC1\xBA\xCF");
  for (const char* refused : {"\xF0\x9F\x98\x80", "\xE0\xB8\x81", "\xC3\x80", "1\xC3"})
    EXPECT_FALSE(Utf8ToGbkExactly(refused, gbk)) << refused;
}

struct FitCase {
  std::u16string text;
  std::size_t at;      // where NonGbkLength looks
  std::size_t length;  // its answer
};

TEST(Encoding, CharactersWithoutAnExactGbkFormAreFound) {
  const FitCase cases[] = {
      {u"12+3×π", 4, 0},         // the worksheet's signs
      {u"中文", 1, 0},           // Chinese
      {u"\U0001F6001+2", 0, 2},  // an emoji: a surrogate pair
      {u"a\u0E01b", 1, 1},       // Thai
      {u"a\xD83D", 1, 1},        // a high surrogate at the end
      {u"\xDE00z", 0, 1},        // a low surrogate alone
      {u"ab", 2, 0},             // past the end
  };
  for (const FitCase& c : cases) {
    EXPECT_EQ(NonGbkLength(c.text, c.at), c.length) << c.at;
    bool fits = true;
    for (std::size_t i = 0; i < c.text.size(); ++i) fits = fits && NonGbkLength(c.text, i) == 0;
    EXPECT_EQ(FitsGbk(c.text), fits) << c.at;
  }
}

TEST(Encoding, ValidUtf8) {
  const std::pair<std::string, bool> cases[] = {
      {"", true},
      {"abc", true},
      {"\xE4\xB8\xAD", true},
      {"\xF0\x9F\x98\x80", true},
      {"\xD6\xD0", false},          // GBK bytes
      {"\xC0\xAF", false},          // overlong "/"
      {"\xED\xA0\x80", false},      // a surrogate
      {"\xE4\xB8", false},          // truncated
      {"\xF4\x90\x80\x80", false},  // above U+10FFFF
  };
  for (const auto& [bytes, valid] : cases) EXPECT_EQ(IsValidUtf8(bytes), valid) << bytes;
}

}  // namespace
}  // namespace tl::text
