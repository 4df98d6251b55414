#include "cli/script_line.h"

#include <gtest/gtest.h>

namespace tl::cli {
namespace {

// Scripts are UTF-8 whatever the compiler does with ordinary literals.
std::string Utf8(const char8_t* s) {
  return reinterpret_cast<const char*>(s);
}

struct LineCase {
  std::string line;
  std::vector<std::string> words;
  bool malformed;
};

TEST(ScriptLine, SplitsWordsAndQuotedTexts) {
  const LineCase cases[] = {
      {"", {}, false},
      {"   ", {}, false},
      {"# a comment", {}, false},
      {"  # indented comment", {}, false},
      {"print", {"print"}, false},
      {"select 3 4", {"select", "3", "4"}, false},
      {"text \"1+2\\r\\n\"", {"text", "1+2\r\n"}, false},
      {"type \"a\\\"b\\\\c\\td\"", {"type", "a\"b\\c\td"}, false},
      {"type \"\"", {"type", ""}, false},
      {Utf8(u8"set \"按esc退出 \" 真"), {"set", "按esc退出 ", "真"}, false},  // words become GBK
      {Utf8(u8"type \"1×2\""), {"type", "1×2"}, false},
      {"type \"abc", {}, true},
      {"type \"a\\q\"", {}, true},
      {"type \"a\"b", {}, true},
      {"key Enter\r", {"key", "Enter"}, false},
  };
  for (const auto& c : cases) {
    ScriptLine parsed = ParseScriptLine(c.line);
    EXPECT_EQ(!parsed.error.empty(), c.malformed) << c.line;
    if (c.malformed) continue;
    std::vector<std::string> words;
    for (const auto& w : parsed.words) words.push_back(w.text);
    EXPECT_EQ(words, c.words) << c.line;
  }
}

TEST(ScriptLine, QuotedTextsAreMarked) {
  ScriptLine parsed = ParseScriptLine(Utf8(u8"command \"&F.批量运算\" plain"));
  ASSERT_EQ(parsed.words.size(), 3u);
  EXPECT_FALSE(parsed.words[0].quoted);
  EXPECT_TRUE(parsed.words[1].quoted);
  EXPECT_EQ(parsed.words[1].text, "&F.批量运算");
  EXPECT_FALSE(parsed.words[2].quoted);
}

}  // namespace
}  // namespace tl::cli
