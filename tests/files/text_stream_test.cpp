#include "files/text_stream.h"

#include <gtest/gtest.h>

namespace tl::files {
namespace {

std::string Utf8(const char8_t* s) {
  return reinterpret_cast<const char*>(s);
}

TEST(TextStream, PiecesGiveWhatTheWholeTextGives) {
  const std::pair<std::string, Encoding> cases[] = {
      {"", Encoding::Auto},
      {"\xEF\xBB\xBF" + Utf8(u8"1×2\r\n合计\r\n"), Encoding::Auto},
      {Utf8(u8"1+2\n总计 ×3\n😀"), Encoding::Auto},  // refused on line 3
      {"\xD7\xDC\xBC\xC6\r\n\xA1\xC1\r\n\x81",
       Encoding::Auto},  // GBK, a lone first byte at the end
      {"1\r2\n3\r\n4\r", Encoding::Auto},
      {Utf8(u8"√\n"), Encoding::Gbk},
      {"\xD7\xDC\n", Encoding::Utf8},  // refused
  };
  for (const auto& [bytes, encoding] : cases) {
    const DecodedText whole = DecodeText(bytes, encoding);
    const std::string encoded = whole.error.empty() ? EncodeText(whole.text, whole.form) : "";
    for (std::size_t size = 1; size <= 5; ++size) {
      TextScanner scanner(encoding, 100);
      for (std::size_t p = 0; p < bytes.size(); p += size) scanner.Add(bytes.substr(p, size));
      const TextFacts facts = scanner.Finish();
      EXPECT_EQ(facts.error, whole.error) << bytes << " in pieces of " << size;
      if (!facts.error.empty()) continue;
      TextDecoder decoder(facts.form);
      std::string text;
      for (std::size_t p = 0; p < bytes.size(); p += size) decoder.Add(bytes.substr(p, size), text);
      EXPECT_TRUE(decoder.Finish());
      EXPECT_EQ(text, whole.text) << bytes << " in pieces of " << size;
      TextEncoder encoder(facts.form);
      std::string back;
      for (std::size_t p = 0; p < text.size(); p += size) encoder.Add(text.substr(p, size), back);
      encoder.Finish(back);
      EXPECT_EQ(back, encoded) << bytes << " in pieces of " << size;
    }
  }
}

TEST(TextStream, TheFirstReadingKnowsTheWorksheetText) {
  const struct {
    std::string bytes;
    bool onlyCrLfBreaks;
    bool endsWithCrLf;
    std::uint64_t lines;
    std::uint64_t firstLongLine;  // more than 3 bytes of worksheet text
  } cases[] = {
      {"1+1\r\n22+2\r\n", true, true, 3, 2},
      {"abc\nabcd", true, false, 2, 2},  // LF breaks become CR LF
      {"abc\n", true, true, 2, 0},
      {"1\r2\r\n", false, true, 2, 0},
      {"1\n2\r\n", false, true, 3, 0},
      {Utf8(u8"合计\r\n"), true, true, 2, 1},  // 4 bytes of GBK, 6 of UTF-8
      {Utf8(u8"√\r\n"), true, true, 2, 0},
  };
  for (const auto& c : cases) {
    TextScanner scanner(Encoding::Auto, 3);
    scanner.Add(c.bytes);
    const TextFacts facts = scanner.Finish();
    EXPECT_EQ(facts.onlyCrLfBreaks, c.onlyCrLfBreaks) << c.bytes;
    EXPECT_EQ(facts.endsWithCrLf, c.endsWithCrLf) << c.bytes;
    EXPECT_EQ(facts.lines, c.lines) << c.bytes;
    EXPECT_EQ(facts.firstLongLine, c.firstLongLine) << c.bytes;
  }
}

}  // namespace
}  // namespace tl::files
