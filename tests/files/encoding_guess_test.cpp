#include "files/encoding_guess.h"

#include <gtest/gtest.h>

#include <random>

#include "files/text_file.h"
#include "text/encoding.h"

namespace tl::files {
namespace {

Encoding Guessed(const std::string& bytes) {
  return DecodeText(bytes, Encoding::Auto).form.encoding;
}

TEST(EncodingGuess, GbkUnlessUtf8IsClearlyRight) {
  const struct {
    const char* name;
    std::string bytes;
    Encoding read;
  } cases[] = {
      {"GBK 小 is UTF-8 С", "\xD0\xA1 1+1=2", Encoding::Gbk},
      {"GBK 3脳2 is UTF-8 3×2",
       "3\xC3\x97"
       "2",
       Encoding::Gbk},
      {"ASCII", "1+1=2\r\n", Encoding::Gbk},
      {"UTF-8 合计", "\xE5\x90\x88\xE8\xAE\xA1 3", Encoding::Utf8},
      {"UTF-8 √ alone",
       "\xE2\x88\x9A"
       "4",
       Encoding::Utf8},
      {"UTF-8 one character at the end", "1\xE5\xB0\x8F", Encoding::Utf8},
      // Valid UTF-8 with three-byte characters (U+0921, none common), whose
      // GBK reading is all common characters.
      {"GBK reading more plausible", "\xC4\xA1\xC4\xA1\xE0\xA4\xA1\xE0\xA4\xA1", Encoding::Gbk},
      {"not UTF-8", "\xD6\xD0\xCE\xC4", Encoding::Gbk},
  };
  for (const auto& c : cases) EXPECT_EQ(Guessed(c.bytes), c.read) << c.name;
}

// Random short sheets of common Chinese characters, digits, operators and
// line breaks, written in GBK and in UTF-8: each reads in its own encoding
// and writes back the same bytes. A UTF-8 sheet without a character of
// three bytes (only "×", "÷" or "π") has the very bytes of a GBK sheet
// ("×" is «脳» in GBK) and reads as GBK, as the rule says.
TEST(EncodingGuess, GeneratedSheetsReadInTheirOwnEncoding) {
  const char* const kSigns[] = {"+",        "-",        "*",        "/",        "=",
                                "(",        ")",        ".",        "%",        "\xA1\xC1",
                                "\xA1\xC2", "\xA1\xCC", "\xA6\xD0", "\xA3\xAC", "\xA3\xA8",
                                "\xA3\xA9", "\xA1\xA3", " "};  // × ÷ √ π ， （ ） 。
  std::mt19937 random(20261207);
  const auto below = [&random](int n) { return static_cast<int>(random() % n); };
  int utf8Sheets = 0;
  for (int sheet = 0; sheet < 5000; ++sheet) {
    std::string gbk;
    const int lines = 1 + below(4);
    for (int line = 0; line < lines; ++line) {
      const int pieces = 1 + below(8);
      for (int piece = 0; piece < pieces; ++piece) {
        const int kind = below(3);
        if (kind == 0) {  // a first-level hanzi, B0A1–D7F9
          const int lead = 0xB0 + below(0xD8 - 0xB0);
          const int trail = 0xA1 + below((lead == 0xD7 ? 0xFA : 0xFF) - 0xA1);
          gbk += static_cast<char>(lead);
          gbk += static_cast<char>(trail);
        } else if (kind == 1) {
          gbk += static_cast<char>('0' + below(10));
        } else {
          gbk += kSigns[below(std::size(kSigns))];
        }
      }
      if (line + 1 < lines || below(2) == 0) gbk += below(2) == 0 ? "\r\n" : "\n";
    }
    const std::string utf8 = text::GbkToUtf8(gbk);
    bool longCharacter = false;
    for (const char c : utf8) longCharacter = longCharacter || (c & 0xF0) == 0xE0;
    utf8Sheets += longCharacter;
    for (const auto& [bytes, encoding] :
         {std::pair{gbk, Encoding::Gbk}, {utf8, longCharacter ? Encoding::Utf8 : Encoding::Gbk}}) {
      const DecodedText decoded = DecodeText(bytes, Encoding::Auto);
      ASSERT_EQ(decoded.error, "") << bytes;
      ASSERT_EQ(decoded.form.encoding, encoding) << bytes;
      ASSERT_EQ(EncodeText(decoded.text, decoded.form), bytes);
    }
  }
  EXPECT_GT(utf8Sheets, 4000);
}

}  // namespace
}  // namespace tl::files
