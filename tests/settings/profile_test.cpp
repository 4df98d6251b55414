#include "settings/profile.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tl::settings {
namespace {

struct ReadCase {
  const char* content;
  const char* section;
  const char* key;
  std::optional<std::string> expected;
};

TEST(ReadProfileValue, FindsValuesAsTheWindowsFunctionDo) {
  const std::nullopt_t missing = std::nullopt;
  const ReadCase cases[] = {
      {"[s]\r\nk=v\r\n", "s", "k", "v"},
      {"[Abc]\r\nKey=1\r\n", "aBC", "KEY", "1"},
      {"  [ 运行设置 ]  \r\n  撤销设置  =  20  \r\n", "运行设置", "撤销设置", "20"},
      {"[s]\r\nk=v\r\n", " s ", " k ", "v"},  // asked names are trimmed too
      {"[s]\r\nk=1\r\nk=2\r\n", "s", "k", "1"},
      {"[s]\r\nx=1\r\n[s]\r\ny=2\r\n", "s", "y", missing},  // only the first [s] counts
      {"[s]\r\nx=1\r\n[t]\r\nk=2\r\n", "s", "k", missing},
      {"k=1\r\n[s]\r\n", "s", "k", missing},  // before any section
      {"[s]\r\nk\r\n", "s", "k", missing},    // no "=": reads as missing
      {"[s]\r\nk\r\nk=2\r\n", "s", "k", missing},
      {"[s]\r\nk=\r\n", "s", "k", ""},
      {"[s]\r\nk=a=b\r\n", "s", "k", "a=b"},
      {"[s]\r\nk=\"a b\"\r\n", "s", "k", "a b"},
      {"[s]\r\nk='x'\r\n", "s", "k", "x"},
      {"[s]\r\nk=\"x\r\n", "s", "k", "\"x"},
      {"[s]\r\nk=\"\"\r\n", "s", "k", ""},
      {"[s]\r\nk=\ta b\t\r\n", "s", "k", "a b"},
      {"[s]\nk=lf\n", "s", "k", "lf"},
      {"[s]\rk=cr\r", "s", "k", "cr"},
      {"[s]\r\nk=last", "s", "k", "last"},
      {"[s]\r\n; k=comment\r\nk=1\r\n", "s", "k", "1"},
      {"[s\r\nk=1\r\n", "s", "k", missing},  // "[s" is no header
      {"[s] tail\r\nk=1\r\n", "s", "k", "1"},
      {"[a]b]\r\nk=1\r\n", "a]b", "k", "1"},    // the name ends at the last "]"
      {"[s]\r\n　k=1\r\n", "s", "k", missing},  // the ideographic space is no white space
      // "癩" is B0 5D: its second byte is "]".
      {"[癩]\r\nk=1\r\n", "癩", "k", "1"},
      {"[t]\r\n[s癩\r\nk=1\r\n", "t", "k", "1"},  // "[s癩" has no "]"
      // "癆" is B0 41 and "癮" B0 61: second bytes "A" and "a" must not fold.
      {"[s]\r\n癆=1\r\n", "s", "癮", missing},
      {"[s]\r\n癆=1\r\n", "s", "癆", "1"},
      {"[s]\r\n按esc退出 =真\r\n", "s", "按esc退出 ", "真"},
      {"[s]\r\n按esc退出=真\r\n", "s", "按esc退出 ", "真"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadProfileValue(c.content, c.section, c.key), c.expected)
        << c.content << " / " << c.section << " / " << c.key;
  }
}

TEST(ReadProfileValue, LongValuesAreCutOnACharacterBoundary) {
  const std::string ascii(12000, 'a');
  const std::string wide = [] {
    std::string text;
    for (int i = 0; i < 6000; ++i) text += "汉";
    return text;
  }();
  const struct {
    std::string value;
    std::size_t expected;
  } cases[] = {
      {ascii, kValueLimit - 1},
      {std::string(kValueLimit - 1, 'b'), kValueLimit - 1},
      {wide, kValueLimit - 2},  // the last whole character before byte 10239
      {"a" + wide, kValueLimit - 1},
  };
  for (const auto& c : cases) {
    const auto value = ReadProfileValue("[s]\r\nk=" + c.value + "\r\n", "s", "k");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->size(), c.expected);
    EXPECT_EQ(*value, c.value.substr(0, c.expected));
  }
}

struct WriteCase {
  const char* before;
  const char* section;
  const char* key;
  const char* value;
  const char* after;
};

TEST(WriteProfileValue, ChangesOnlyTheKeysLine) {
  const WriteCase cases[] = {
      {"", "s", "k", "v", "[s]\r\nk=v\r\n"},
      {"[s]\r\nk=1\r\n", "s", "k", "2", "[s]\r\nk=2\r\n"},
      {"; c\r\n[S]\r\n  K = 1 ; x\r\nj=0\r\n", "s", "k", "2", "; c\r\n[S]\r\n  K =2\r\nj=0\r\n"},
      {"[s]\r\n按esc退出 =假\r\n", "s", "按esc退出", "真", "[s]\r\n按esc退出 =真\r\n"},
      {"[s]\r\na=1\r\n\r\n[t]\r\n", "s", "b", "2", "[s]\r\na=1\r\nb=2\r\n\r\n[t]\r\n"},
      {"[s]\r\n\r\n[t]\r\n", "s", "b", "2", "[s]\r\nb=2\r\n\r\n[t]\r\n"},
      {"[s]\r\na=1", "s", "b", "2", "[s]\r\na=1\r\nb=2\r\n"},
      {"[s]", "s", "b", "2", "[s]\r\nb=2\r\n"},
      {"[s]\r\na=1", "t", "b", "2", "[s]\r\na=1\r\n[t]\r\nb=2\r\n"},
      {"[s]\na=1\n", "s", "a", "2", "[s]\na=2\n"},
      {"[s]\r\nk\r\n", "s", "k", "1", "[s]\r\nk=1\r\n"},
      {"[s]\r\nx=1\r\n[s]\r\ny=2\r\n", "s", "y", "3", "[s]\r\nx=1\r\ny=3\r\n[s]\r\ny=2\r\n"},
      {"[s]\r\n", "s", "k", "a\r\nb=c", "[s]\r\nk=a\r\n"},  // no line can be smuggled in
      {"", " 其他设置 ", "按esc退出 ", "真", "[其他设置]\r\n按esc退出 =真\r\n"},
  };
  for (const auto& c : cases) {
    std::string content = c.before;
    WriteProfileValue(content, c.section, c.key, c.value);
    EXPECT_EQ(content, c.after) << c.before << " / " << c.section << " / " << c.key;
  }
}

TEST(WriteProfileValue, KeepsEveryOtherByte) {
  const std::string original =
      "; 配置文件\r\n"
      "\r\n"
      "[运行设置]\r\n"
      "窗口状态=0\r\n"
      "  未知键 =  \"保留 的 值\"  \r\n"
      "撤销设置=20\r\n"
      "\r\n"
      "[其他项]\n"
      "名称=计算器\n"
      "\tIndented = yes\r\n"
      "[字体设置]\r\n"
      "字体名称=宋体\r\n";
  std::string content = original;
  WriteProfileValue(content, "运行设置", "撤销设置", "30");
  WriteProfileValue(content, "字体设置", "字体名称", "宋体");
  std::string expected = original;
  expected.replace(expected.find("撤销设置=20"), std::string("撤销设置=20").size(), "撤销设置=30");
  EXPECT_EQ(content, expected);
  WriteProfileValue(content, "运行设置", "撤销设置", "20");
  EXPECT_EQ(content, original);
}

}  // namespace
}  // namespace tl::settings
