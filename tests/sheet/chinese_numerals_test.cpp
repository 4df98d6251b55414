#include "sheet/chinese_numerals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "sheet/memory_edit_box.h"
#include "sheet/number_field.h"
#include "sheet/sheet_test_text.h"

namespace tl::sheet {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct Case {
  double value;
  std::string_view expected;
};

TEST(ChineseNumerals, UpperCaseNumeral) {
  const Case cases[] = {
      {0, "零"},
      {-0.0, "零"},
      {1, "壹"},
      {10, "壹拾"},
      {1001, "壹仟零壹"},
      {100000, "壹拾万"},
      {110000, "壹拾壹万"},
      {20000000, "贰仟万"},
      {100000001, "壹亿零壹"},
      {100010000, "壹亿零壹万"},
      {100010000000, "壹仟亿零壹仟万"},
      {1000000000000, "壹万亿"},
      {1000100000000, "壹万零壹亿"},
      {9999999999999, "玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖"},
      {10.5, "壹拾点伍"},
      {123.45, "壹佰贰拾叁点肆伍"},
      {0.05, "零点零伍"},
      {0.5, "零点伍"},
      {-3, "负叁"},
      {-1001.5, "负壹仟零壹点伍"},
      // Hundredths round half up, with a little room for the binary error.
      {1.005, "壹点零壹"},
      {0.994, "零点玖玖"},
      {1.999, "贰"},  // 99.9 hundredths reach 100
      {99999.996, "壹拾万"},
      {0.004, "零"},
      {-0.004, "零"},  // no sign on a number that rounds to nothing
      // Beyond the place units.
      {10000000000000, "溢出"},
      {9999999999999.5, "溢出"},
      {-10000000000000, "溢出"},
      {1e300, "溢出"},
      {kInfinity, "溢出"},
      {std::nan(""), "溢出"},
  };
  for (const Case& c : cases) EXPECT_EQ(UpperCaseNumeral(c.value), c.expected) << c.value;
}

TEST(ChineseNumerals, AmountInWords) {
  const Case cases[] = {
      {0, "零"},
      {0.001, "零"},
      {-0.004, "零"},
      {0.005, "壹分"},
      {0.07, "柒分"},
      {0.5, "伍角整"},
      {1.1, "壹元壹角整"},
      {3, "叁元整"},
      {10.01, "壹拾元零壹分"},
      {10.5, "壹拾元零伍角整"},
      {100.05, "壹佰元零伍分"},
      {123.45, "壹佰贰拾叁元肆角伍分"},
      {1010.1, "壹仟零壹拾元零壹角整"},
      {100000.5, "壹拾万元零伍角整"},
      {1000000, "壹佰万元整"},
      {20000000, "贰仟万元整"},
      {100000001, "壹亿零壹元整"},
      {100000000.1, "壹亿元零壹角整"},
      {1000100000000, "壹万零壹亿元整"},
      {-3, "负叁元整"},
      {-0.07, "负柒分"},
      {9999999999999.99, "玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"},
      {9999999999999.996, "溢出"},  // rounds to 10000000000000 yuan
      {10000000000000, "溢出"},
      {-10000000000000, "溢出"},
      {1e300, "溢出"},
      {std::nan(""), "溢出"},
  };
  for (const Case& c : cases) EXPECT_EQ(AmountInWords(c.value), c.expected) << c.value;
}

TEST(ChineseNumerals, AFieldConvertsItsLeadingNumber) {
  struct FieldCase {
    std::string_view field;
    NumberInWords expected;
  };
  const FieldCase cases[] = {
      {"123.45", {"壹佰贰拾叁点肆伍", "壹佰贰拾叁元肆角伍分"}},
      {" -3", {"负叁", "负叁元整"}},
      {"12abc", {"壹拾贰", "壹拾贰元整"}},
      {"abc", {"零", "零"}},
      {"1e999", {"溢出", "溢出"}},
      {"1e12", {"壹万亿", "壹万亿元整"}},
      {"541，196.5", {"伍拾肆万壹仟壹佰玖拾陆点伍", "伍拾肆万壹仟壹佰玖拾陆元伍角整"}},
      {"1;234,5", {"壹万贰仟叁佰肆拾伍", "壹万贰仟叁佰肆拾伍元整"}},
  };
  for (const FieldCase& c : cases) EXPECT_EQ(ConvertNumberField(c.field), c.expected) << c.field;
}

TEST(ChineseNumerals, TheWindowStartsWithTheSelectionOrTheLinesResult) {
  struct StartCase {
    std::string_view text;  // "|" at the caret
    std::size_t selection;
    std::string_view expected;
  };
  const StartCase cases[] = {
      {"|12abc=3", 5, "12abc"},     {"120×4513=541,196|\r\n", 0, "541,196"},
      {"2÷3=2∟3\r\n1+|1", 0, ""},  // no result on the caret's line
      {"7÷4=-1∟3∟4 |", 0, "-1.75"}, {"1e20×1.5=1.5×10^020|", 0, "1.5e+020"},
  };
  for (const StartCase& c : cases) {
    MemoryEditBox box;
    LoadWithCaret(box, c.text);
    box.SetSelectionLength(c.selection);
    EXPECT_EQ(NumberFieldStart(box, engine::ThousandsSeparator::Comma), c.expected) << c.text;
  }
}

}  // namespace
}  // namespace tl::sheet
