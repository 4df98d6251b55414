#include "engine/result_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <optional>
#include <string>

#include "engine/back_test_helpers.h"
#include "engine/fraction_search.h"
#include "text/number_text.h"

namespace tl::engine {
namespace {

Options WithPrecision(int precision, bool dropTrailingZeros = true) {
  Options options;
  options.precision = precision;
  options.dropTrailingZeros = dropTrailingZeros;
  return options;
}

Options WithFractionForm(FractionForm form) {
  Options options;
  options.fractionForm = form;
  return options;
}

void ExpectAll(std::initializer_list<ExprCase> cases, const Options& options = {}) {
  for (const ExprCase& c : cases) EXPECT_EQ(ResultOf(c.expr, options), c.expected) << c.expr;
}

TEST(RoundToDecimals, HalfUpAwayFromZeroWithANudge) {
  struct Case {
    double value;
    int decimals;
    double expected;
  } const cases[] = {
      {2.345, 2, 2.35},  // stored a hair below 2.345
      {-2.345, 2, -2.35},  {0.125, 2, 0.13},       {2.5, 0, 3},
      {1234, -2, 1200},    {1250, -2, 1300},       {0.9999999999999, 12, 1},
      {0, 5, 0},           {123.456, 40, 123.456},  // nothing left to round
      {1e300, -400, 0},    {1.5, INT_MAX, 1.5},    {1.5, INT_MIN, 0},
      {16.025, 2, 16.03},   // 1602.4999999999998: the nudge carries it over the half
      {16384.5, 0, 16385},  // too large for the nudge to move: the half itself rounds up
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RoundToDecimals(c.value, c.decimals), c.expected) << c.value << " " << c.decimals;
  }
}

TEST(RoundToDecimals, ZeroHasNoSign) {
  EXPECT_FALSE(std::signbit(RoundToDecimals(-0.001, 2)));
  EXPECT_EQ(ResultOf("0-0.001", WithPrecision(2)), "0");
  EXPECT_EQ(ResultOf("0-0.001", WithPrecision(2, false)), "0.00");
}

TEST(ResultText, ExponentFormsAreNeverRoundedOrGrouped) {
  Options grouped;
  grouped.thousandsSeparator = ThousandsSeparator::Comma;
  ExpectAll({{"2^70", "1.180591620717×10^021"},
             {"1÷3^30", "4.85693574962×10^-015"},
             {"12345678901234+0", "1.234567890123×10^013"},
             {"0.00001+0", "1×10^-005"},
             {"0.0001+0", "0.0001"}},
            grouped);
  EXPECT_EQ(FormatResult(1.5e20, ResultKind::Decimal, {}), "1.5×10^020");
  EXPECT_EQ(FormatResult(-2.5e-5, ResultKind::Decimal, {}), "-2.5×10^-005");
}

TEST(ResultText, DecimalOutputRoundsOrPads) {
  ExpectAll({{"1÷3", "0.333333333333"},
             {"2÷3", "0.666666666667"},
             {"1÷3×3", "1"},
             {"2.5+0.5", "3"},
             {"1234567890123+0", "1234567890123"}});
  ExpectAll({{"1÷8", "0.13"}, {"2.345+0", "2.35"}, {"2.5+0.5", "3"}}, WithPrecision(2));
  ExpectAll({{"1÷3", "0.33"}, {"2.5+0.5", "3.00"}, {"1÷4", "0.25"}, {"0-1÷8", "-0.13"}},
            WithPrecision(2, false));
  ExpectAll({{"2.5+0", "3"}, {"2÷4", "1"}}, WithPrecision(0));
  ExpectAll({{"2.5+0", "3"}}, WithPrecision(0, false));
  ExpectAll({{"1234+0", "1200"}, {"1250+0", "1300"}}, WithPrecision(-2));
}

TEST(ResultText, PrecisionOutOfRangeStaysBounded) {
  const std::string padded = ResultOf("1÷4", WithPrecision(INT_MAX, false));
  EXPECT_EQ(padded.substr(0, 6), "0.2500");
  EXPECT_LT(padded.size(), 400u);
  EXPECT_EQ(ResultOf("1÷4", WithPrecision(INT_MAX)), "0.25");
  EXPECT_EQ(ResultOf("1÷4", WithPrecision(INT_MIN)), "0");
}

TEST(ResultText, GroupsThousands) {
  Options semicolons;
  semicolons.thousandsSeparator = ThousandsSeparator::Semicolon;
  ExpectAll({{"1234567.5+0", "1;234;567.5"}, {"0-1234", "-1;234"}, {"123+0", "123"}}, semicolons);
  Options commas;
  commas.thousandsSeparator = ThousandsSeparator::Comma;
  ExpectAll({{"1234567890123+0", "1,234,567,890,123"}, {"0-123456", "-123,456"}}, commas);
  Options padded = WithPrecision(2, false);
  padded.thousandsSeparator = ThousandsSeparator::Comma;
  ExpectAll({{"1000+0.5", "1,000.50"}}, padded);
}

TEST(ResultText, FractionOutput) {
  ExpectAll({{"1∟2+1∟4", "3∟4"},
             {"7∟4", "7∟4"},
             {"0-1∟3", "-1∟3"},
             {"1∟3+1∟7", "10∟21"},
             {"1∟997+1∟991", "0.002012090763"},  // 988027 needs too many digits
             {"0.5+0.25", "0.75"},               // a typed "." keeps the decimal
             {"1∟2+sin(0)", "0.5"},              // so does any function
             {"1∟2+1∟2", "1"},
             {"12345678∟2", "6172839"},
             {"123456789∟2", "61728394.5"}},  // the numerator is too long
            WithFractionForm(FractionForm::Fraction));
  ExpectAll({{"3∟1∟5+1", "4∟1∟5"},
             {"7∟4", "1∟3∟4"},
             {"0-7∟4", "-1∟3∟4"},
             {"1∟2+0", "0.5"},                     // never a mixed number below 1
             {"1000∟1∟16+0", "1000.0625"},         // seven digits are too many
             {"1000∟1∟999+0", "1000.001001001"}},  // too many digits for a mixed number
            WithFractionForm(FractionForm::Mixed));
}

TEST(ResultText, ConversionApplyWritesTheDetectedForm) {
  Options options;
  options.mode = EvaluationMode::ConversionApply;
  options.fractionForm = FractionForm::Fraction;
  ExpectAll({{"5÷4", "5∟4"}, {"1.5+1", "5∟2"}, {"1+2", "3"}}, options);
  options.fractionForm = FractionForm::Mixed;
  ExpectAll({{"5÷4", "1∟1∟4"}, {"1÷4", "0.25"}}, options);
  options.fractionForm = FractionForm::Decimal;
  ExpectAll({{"5∟4", "1.25"}}, options);
}

// The walk taken one step at a time, as the result text defines it.
std::optional<Fraction> StepByStepWalk(double f) {
  std::int64_t b = 1;
  std::int64_t n = 2;
  while (true) {
    const double w = static_cast<double>(b) / static_cast<double>(n);
    if (std::fabs(w - f) * 1e12 < 1 - 1e-7) return Fraction{b, n};
    const double g = (f - w) * 1e12;
    if (g > 1e-7) {
      ++b;
    } else if (g < -1e-7) {
      ++n;
    } else {
      return Fraction{b, n};
    }
    if (DigitCount(b) + DigitCount(n) >= 9) return std::nullopt;
  }
}

TEST(FindFraction, TakesTheSameWalkAsOneStepAtATime) {
  std::vector<double> values = {0.75, 0.5,   0.3333333333333, 0.4761904761905, 0.002012090762702,
                                0.1,  0.999, 0.9999999,       0.0005,          0.6180339887499};
  for (int k = 1; k < 400; ++k) {
    values.push_back(text::TextToNumber(text::NumberToText(std::fmod(k * 0.6180339887498949, 1))));
    values.push_back(text::TextToNumber(text::NumberToText(1.0 / (k + 1) + 1.0 / (2 * k + 7))));
  }
  for (const double f : values) {
    const std::optional<Fraction> expected = StepByStepWalk(f);
    const std::optional<Fraction> found = FindFraction(f);
    ASSERT_EQ(found.has_value(), expected.has_value()) << f;
    if (expected) {
      EXPECT_EQ(found->numerator, expected->numerator) << f;
      EXPECT_EQ(found->denominator, expected->denominator) << f;
    }
  }
}

TEST(FindFraction, FindsLowestTermsAndGivesUpOnLongOnes) {
  const std::optional<Fraction> threeQuarters = FindFraction(0.75);
  ASSERT_TRUE(threeQuarters);
  EXPECT_EQ(threeQuarters->numerator, 3);
  EXPECT_EQ(threeQuarters->denominator, 4);
  // A walk of millions of steps, taken in a few.
  const std::optional<Fraction> tiny = FindFraction(1.5e-7);
  const std::optional<Fraction> expected = StepByStepWalk(1.5e-7);
  ASSERT_TRUE(tiny && expected);
  EXPECT_EQ(tiny->numerator, expected->numerator);
  EXPECT_EQ(tiny->denominator, expected->denominator);
  EXPECT_GT(tiny->denominator, 6000000);
  EXPECT_FALSE(FindFraction(0.002012090762702));  // 1988/988027 has 10 digits
}

}  // namespace
}  // namespace tl::engine
