#include "text/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tl::text {
namespace {

struct TextCase {
  double value;
  const char* text;
};

TEST(NumberToText, WritesThirteenSignificantDigitsWithThreeDigitExponent) {
  const TextCase cases[] = {
      {0, "0"},
      {1, "1"},
      {-1, "-1"},
      {0.5, "0.5"},
      {1234567890123, "1234567890123"},
      {12345678901234, "1.234567890123e+013"},
      {0.0001, "0.0001"},
      {0.00001, "1e-005"},
      {1.0 / 3, "0.3333333333333"},
      {2.0 / 3, "0.6666666666667"},
      {0.9999999999999, "0.9999999999999"},
      {0.99999999999999, "1"},      // rounds to 13 digits, then 1
      {9999999999999.5, "1e+013"},  // rounding carries into the exponent
      {1e100, "1e+100"},
      {1.5e-300, "1.5e-300"},
      {std::pow(2.0, 70), "1.180591620717e+021"},
      {-2.5e-5, "-2.5e-005"},
      {123.456, "123.456"},
      {100, "100"},
      {1e12, "1000000000000"},
      {1e13, "1e+013"},
      {0.000123, "0.000123"},
      {5.713383956446e262, "5.713383956446e+262"},
      {1.7976931348623157e308, "1.797693134862e+308"},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberToText(c.value), c.text) << c.value;
}

TEST(NumberToText, NonFiniteValuesHaveFixedNames) {
  EXPECT_EQ(NumberToText(std::numeric_limits<double>::infinity()), "inf");
  EXPECT_EQ(NumberToText(-std::numeric_limits<double>::infinity()), "-inf");
  EXPECT_EQ(NumberToText(std::nan("")), "nan");
}

struct NumberCase {
  const char* text;
  double value;
  std::size_t length;
};

TEST(TextToNumber, ReadsTheLeadingNumberLikeAtof) {
  const NumberCase cases[] = {
      {"12abc", 12, 2},
      {"abc", 0, 0},
      {"", 0, 0},
      {"  \t-3.5", -3.5, 7},
      {"+4", 4, 2},
      {".5", 0.5, 2},
      {"5.", 5, 2},
      {".", 0, 0},
      {"-", 0, 0},
      {"1e3", 1000, 3},
      {"1E-2x", 0.01, 4},
      {"2e", 2, 1},  // an exponent without digits is not read
      {"2e+", 2, 1},
      {"1,234", 1, 1},
      {"0.3333333333333", 0.3333333333333, 15},
      {"1.5e+020", 1.5e20, 8},
      {"inf", 0, 0},  // only plain decimal notation
      {"0x10", 0, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TextToNumber(c.text), c.value) << c.text;
    EXPECT_EQ(LeadingNumberLength(c.text), c.length) << c.text;
  }
}

TEST(TextToNumber, OutOfRangeReadsAsInfinityOrZero) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(TextToNumber("1e999"), inf);
  EXPECT_EQ(TextToNumber("-1e999"), -inf);
  EXPECT_EQ(TextToNumber("1e-999"), 0);
  EXPECT_EQ(TextToNumber("0." + std::string(400, '0') + "1"), 0);
  EXPECT_EQ(TextToNumber(std::string(400, '9')), inf);
  EXPECT_EQ(TextToNumber("0.001e999"), inf);
}

TEST(NumberText, EveryTextReadsBackToTheSameText) {
  const double values[] = {1.0 / 7, -22.0 / 7, 6.02214076e23, 1e-7, 123456.789, 0.1 + 0.2};
  for (double v : values) {
    std::string t = NumberToText(v);
    EXPECT_EQ(NumberToText(TextToNumber(t)), t);
  }
}

}  // namespace
}  // namespace tl::text
