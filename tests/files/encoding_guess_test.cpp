#include "files/encoding_guess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "files/text_file.h"
#include "text/encoding.h"

namespace tl::files {
namespace {

TEST(EncodingGuess, GbkUnlessUtf8IsClearlyRight) {
  const std::pair<std::string, Encoding> cases[] = {
      {"\xD0\xA1 1+1=2", Encoding::Gbk},               // GBK 小, UTF-8 С
      {"3\xC3\x97\x32", Encoding::Gbk},                // GBK 3脳2, UTF-8 3×2
      {"1+1=2\r\n", Encoding::Gbk},                    // ASCII
      {"\xE5\x90\x88\xE8\xAE\xA1 3", Encoding::Utf8},  // UTF-8 合计
      {"\xE2\x88\x9A\x34", Encoding::Utf8},            // UTF-8 √, a malformed GBK reading
      // Three-byte characters (U+0921, none common) whose GBK reading is all
      // common characters.
      {"\xC4\xA1\xC4\xA1\xE0\xA4\xA1\xE0\xA4\xA1", Encoding::Gbk},
  };
  for (const auto& [bytes, read] : cases) {
    EXPECT_EQ(DecodeText(bytes, Encoding::Auto).form.encoding, read) << bytes;
  }
}

// Random short sheets of common hanzi, digits, operators and line breaks in
// GBK and in UTF-8 read in their own encoding and write back their bytes. A
// UTF-8 sheet without a three-byte character has the very bytes of a GBK
// sheet ("×" is «脳») and reads as GBK.
TEST(EncodingGuess, GeneratedSheetsReadInTheirOwnEncoding) {
  const char* const kSigns[] = {"+",        "-",        "*",        "/",        "=",
                                "(",        ")",        ".",        "%",        " ",
                                "\xA1\xC1", "\xA1\xC2", "\xA1\xCC", "\xA6\xD0", "\xA3\xAC",
                                "\xA3\xA8", "\xA3\xA9", "\xA1\xA3", "\r\n",     "\n"};
  std::mt19937 random(20261207);
  int utf8Sheets = 0;
  for (int sheet = 0; sheet < 5000; ++sheet) {
    std::string gbk;
    for (int piece = 1 + random() % 24; piece > 0; --piece) {
      const unsigned kind = random() % 3;
      const unsigned lead = 0xB0 + random() % 40;  // first-level hanzi B0A1–D7F9
      const unsigned trail = 0xA1 + random() % (lead == 0xD7 ? 0x59 : 0x5E);
      if (kind == 0) gbk += {static_cast<char>(lead), static_cast<char>(trail)};
      if (kind == 1) gbk += static_cast<char>('0' + random() % 10);
      if (kind == 2) gbk += kSigns[random() % std::size(kSigns)];
    }
    const std::string utf8 = text::GbkToUtf8(gbk);
    const bool long3 =
        std::any_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0xF0) == 0xE0; });
    utf8Sheets += long3;
    for (const auto& [bytes, encoding] :
         {std::pair{gbk, Encoding::Gbk}, {utf8, long3 ? Encoding::Utf8 : Encoding::Gbk}}) {
      const DecodedText decoded = DecodeText(bytes, Encoding::Auto);
      ASSERT_EQ(decoded.form.encoding, encoding) << bytes;
      ASSERT_EQ(EncodeText(decoded.text, decoded.form), bytes);
    }
  }
  EXPECT_GT(utf8Sheets, 4000);
}

}  // namespace
}  // namespace tl::files
