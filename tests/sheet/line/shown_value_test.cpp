#include "sheet/line/shown_value.h"

#include <gtest/gtest.h>

#include <vector>

namespace tl::sheet {
namespace {

TEST(ShownValue, CanonicalNumbersAreWhatTheNumberRuleWrites) {
  const std::pair<std::string_view, bool> cases[] = {
      {"3", true},      {"0.5", true}, {"12", true},     {"-3", true},   {"1e-005", true},
      {"", false},      {"03", false}, {"1.50", false},  {"+3", false},  {"3+4", false},
      {"1,000", false}, {".5", false}, {"3\r\n", false}, {"abc", false}, {"1e-5", false},
  };
  for (const auto& [text, canonical] : cases) EXPECT_EQ(IsCanonicalNumber(text), canonical) << text;
}

TEST(ShownValue, StripsTheOldValueFromAChainPart) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"12", ""},
      {"6+1+2+3", "+1+2+3"},
      {"-0.5×2", "×2"},
      {"+5-1", "-1"},
      {"2,000", ""},
      {"1;234;567.5+1", "+1"},
      {"1∟1∟2", ""},
      {"1∟2+1", "+1"},
      {"1.5×10^-7", ""},
      {"1.180591620717×10^021", ""},
      {"4.85693574962×10^-015+1", "+1"},
      {"5×10^3", "×10^3"},  // a power of ten the user wrote
      {"5×10^12", "×10^12"},
      {"5×10^-4", "×10^-4"},
      {" 3", ""},  // spaces around the value go with it
      {"3 +4", "+4"},
      {"3 ", ""},
      {"+", ""},
      {"×2", "×2"},
      {"", ""},
  };
  for (const auto& [part, rest] : cases) EXPECT_EQ(StripShownValue(part), rest) << part;
}

TEST(ShownValue, AShownValueIsWhatAResultCouldRead) {
  using enum engine::ThousandsSeparator;
  const struct {
    std::string_view text;
    engine::ThousandsSeparator grouping;
    bool shown;
  } cases[] = {
      {"7", None, true},
      {"-0.5", None, true},
      {"3.00", None, true},
      {"1234", Comma, true},
      {"1,234,567.5", Comma, true},
      {"-1;234", Semicolon, true},
      {"1.5×10^020", None, true},
      {"-2.5×10^-005", None, true},
      {"7∟4", None, true},
      {"-1∟3∟4", None, true},
      {" 12\xA1\xA1", None, true},  // spaces around it
      {"1.5.5", None, false},
      {"03", None, false},
      {"+3", None, false},
      {".5", None, false},
      {"3.", None, false},
      {"1,234", None, false},  // "," groups nothing
      {"1,234", Semicolon, false},
      {"12,34", Comma, false},
      {"1,234,56", Comma, false},
      {"5×10^3", None, false},  // a power of ten the user wrote
      {"1.5×10^012", None, false},
      {"2×10^-004", None, false},
      {"15×10^020", None, false},
      {"1∟2∟3∟4", None, false},
      {"3+4", None, false},
      {"1 2", None, false},
      {"-", None, false},
      {"", None, false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsShownValue(c.text, c.grouping), c.shown) << c.text;
}

TEST(ShownValue, EveryResultTheEngineWritesIsShown) {
  constexpr std::string_view kExpressions[] = {
      "1+2",     "1÷3",         "2^70",    "1÷3^30",          "0-2^70", "-5+2",
      "0.1+0.2", "1234567.5+0", "-1234+0", "1∟2+1∟4",         "0-1∟3",  "3∟1∟5+1",
      "0-3∟1∟5", "1∟997+1∟991", "2.5+0.5", "1234567890123+0", "1÷8",    "12345678901234+0",
  };
  std::vector<engine::Options> variants(7);
  variants[1].dropTrailingZeros = false;
  variants[1].precision = 2;
  variants[2].precision = 0;
  variants[3].thousandsSeparator = engine::ThousandsSeparator::Semicolon;
  variants[4].thousandsSeparator = engine::ThousandsSeparator::Comma;
  variants[5].fractionForm = engine::FractionForm::Fraction;
  variants[6].fractionForm = engine::FractionForm::Mixed;
  for (const engine::Options& options : variants) {
    for (const std::string_view expression : kExpressions) {
      const engine::Outcome outcome = engine::Evaluate(expression, options);
      ASSERT_EQ(outcome.status, engine::Status::Result) << expression;
      EXPECT_TRUE(IsShownValue(outcome.text, options.thousandsSeparator))
          << expression << " gives " << outcome.text;
    }
  }
}

}  // namespace
}  // namespace tl::sheet
