#include "sheet/shown_value.h"

#include <gtest/gtest.h>

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

TEST(ShownValue, AShownValueHasADigitAndNothingElse) {
  const std::pair<std::string_view, bool> cases[] = {
      {"7", true},        {"-0.5", true},    {"1,234.5", true}, {"1∟1∟2", true},
      {"2×10^020", true}, {"5×10^3", false}, {"3+4", false},    {"-", false},
      {".", false},       {"", false},       {"3=", false},     {"1\xA1\xA1", true},
  };
  for (const auto& [text, shown] : cases) EXPECT_EQ(IsShownValue(text), shown) << text;
}

}  // namespace
}  // namespace tl::sheet
