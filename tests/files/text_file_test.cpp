#include "files/text_file.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tl::files {
namespace {

// Test data in UTF-8 whatever the compiler does with ordinary literals.
std::string Utf8(const char8_t* s) {
  return reinterpret_cast<const char*>(s);
}

struct DecodeCase {
  std::string name;
  std::string bytes;
  Encoding requested;
  std::string text;  // GBK, CR LF
  FileForm form;
};

// Plain ASCII reads as GBK: the form Tallyline writes.
TEST(TextFile, DecodesAndWritesBackInTheSameForm) {
  const std::string chinese = Utf8(u8"总计 1+2\n×3\n");
  const DecodeCase cases[] = {
      {"empty", "", Encoding::Auto, "", {Encoding::Gbk, false, false}},
      {"ascii crlf",
       "1+2\r\n3*4\r\n",
       Encoding::Auto,
       "1+2\r\n3*4\r\n",
       {Encoding::Gbk, false, false}},
      {"ascii lf", "1+2\n3*4", Encoding::Auto, "1+2\r\n3*4", {Encoding::Gbk, true, false}},
      {"no line break", "1+2", Encoding::Auto, "1+2", {Encoding::Gbk, false, false}},
      {"utf-8 lf", chinese, Encoding::Auto, "总计 1+2\r\n×3\r\n", {Encoding::Utf8, true, false}},
      {"utf-8 bom",
       "\xEF\xBB\xBF"
       "1+1\r\n",
       Encoding::Auto,
       "1+1\r\n",
       {Encoding::Utf8, false, true}},
      {"gbk", "总计\r\n1×2\r\n", Encoding::Auto, "总计\r\n1×2\r\n", {Encoding::Gbk, false, false}},
      {"gbk lf", "总计\n", Encoding::Auto, "总计\r\n", {Encoding::Gbk, true, false}},
      // Asked for GBK, UTF-8 bytes stay the bytes they are.
      {"forced gbk",
       chinese,
       Encoding::Gbk,
       Utf8(u8"总计 1+2\r\n×3\r\n"),
       {Encoding::Gbk, true, false}},
      {"forced utf-8", Utf8(u8"×\r\n"), Encoding::Utf8, "×\r\n", {Encoding::Utf8, false, false}},
      // A lone CR is the worksheet's business (its repair), not the file's.
      {"mixed breaks", "1\r2\n", Encoding::Auto, "1\r2\n", {Encoding::Gbk, false, false}},
  };
  for (const DecodeCase& c : cases) {
    const DecodedText decoded = DecodeText(c.bytes, c.requested);
    ASSERT_EQ(decoded.error, "") << c.name;
    EXPECT_EQ(decoded.text, c.text) << c.name;
    EXPECT_EQ(decoded.form.encoding, c.form.encoding) << c.name;
    EXPECT_EQ(decoded.form.lineFeeds, c.form.lineFeeds) << c.name;
    EXPECT_EQ(decoded.form.byteOrderMark, c.form.byteOrderMark) << c.name;
    EXPECT_EQ(EncodeText(decoded.text, decoded.form), c.bytes) << c.name;
  }
}

TEST(TextFile, RefusesWhatCannotComeBackUnchanged) {
  struct Case {
    std::string bytes;
    Encoding requested;
    std::string error;
  };
  const Case cases[] = {
      {"\xC4\xE3\r\n", Encoding::Utf8, "the input is not valid UTF-8"},
      {Utf8(u8"1+1\n2+2 😀\n"), Encoding::Auto,
       "line 2 holds a character that GBK has no form for; the worksheet cannot take it"},
      // A '?' of the file's own is no lost character.
      {Utf8(u8"?×?\n"), Encoding::Auto, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecodeText(c.bytes, c.requested).error, c.error) << c.bytes;
  }
}

TEST(TextFile, ConvertsLargeTextsPieceByPiece) {
  // More than one conversion piece, with two- and three-byte characters on
  // every boundary the pieces could fall on.
  std::string utf8;
  while (utf8.size() < 3 * (std::size_t{1} << 20)) utf8 += Utf8(u8"×÷√ 合计12.5+π\n");
  utf8 += Utf8(u8"line 末 😀");
  const DecodedText refused = DecodeText(utf8, Encoding::Auto);
  const std::size_t lines = static_cast<std::size_t>(std::count(utf8.begin(), utf8.end(), '\n'));
  EXPECT_EQ(refused.error,
            "line " + std::to_string(lines + 1) +
                " holds a character that GBK has no form for; the worksheet cannot take it");

  utf8.erase(utf8.rfind(' '));
  const DecodedText decoded = DecodeText(utf8, Encoding::Auto);
  ASSERT_EQ(decoded.error, "");
  std::string gbk;
  for (std::size_t i = 0; i < lines; ++i) gbk += "×÷√ 合计12.5+π\r\n";
  gbk += "line 末";
  EXPECT_TRUE(decoded.text == gbk);
  EXPECT_TRUE(EncodeText(decoded.text, decoded.form) == utf8);
}

}  // namespace
}  // namespace tl::files
