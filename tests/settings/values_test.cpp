#include "settings/values.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace tl::settings {
namespace {

TEST(ReadBoolean, OnlyTheWordForTrueIsTrue) {
  const struct {
    const char* text;
    bool expected;
  } cases[] = {
      {"真", true}, {"假", false},  {"1", false},    {"true", false}, {"True", false},
      {"", false},  {"真 ", false}, {"真真", false}, {"-1", false},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadBoolean(c.text), c.expected) << c.text;
}

TEST(ReadInteger, LeadingNumberTruncatedTowardZero) {
  const struct {
    const char* text;
    int expected;
  } cases[] = {
      {"50", 50},
      {"12abc", 12},
      {"abc", 0},
      {"", 0},
      {"-5", -5},
      {"-3.9", -3},
      {"3.9", 3},
      {"  7", 7},
      {"1e3", 1000},
      {"+8", 8},
      {"0x10", 0},
      {"2147483647", 2147483647},
      {"99999999999", 2147483647},  // held at the limit, not wrapped
      {"-99999999999", -2147483647 - 1},
      {"1e999", 2147483647},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadInteger(c.text), c.expected) << c.text;
}

TEST(ReadCounter, SixtyFourBitsAndColoursUnsigned) {
  EXPECT_EQ(ReadCounter("1"), 1);
  EXPECT_EQ(ReadCounter("4294967296"), std::int64_t{4294967296});
  EXPECT_EQ(ReadCounter("junk"), 0);
  EXPECT_EQ(ReadColour("16777215"), 16777215u);
  EXPECT_EQ(ReadColour("4294967295"), 4294967295u);
  EXPECT_EQ(ReadColour("-1"), 0u);
  EXPECT_EQ(ReadColour("255red"), 255u);
}

}  // namespace
}  // namespace tl::settings
