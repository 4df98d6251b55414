#include "text/number_text_buffer.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "text/number_text.h"

namespace tl::text {
namespace {

// The buffer must agree with the general rule byte for byte, and its value
// with reading that text back, bit for bit.
void ExpectSameAsGeneralRule(double value) {
  const NumberTextBuffer buffer(value);
  const std::string text = NumberToText(value);
  ASSERT_EQ(buffer.View(), text) << std::hexfloat << value;
  const double readBack = TextToNumber(text);
  ASSERT_EQ(std::bit_cast<std::uint64_t>(buffer.Value()), std::bit_cast<std::uint64_t>(readBack))
      << text;
}

TEST(NumberTextBuffer, AgreesWithTheGeneralRuleOnEdges) {
  const double inf = std::numeric_limits<double>::infinity();
  const std::vector<double> values = {0,
                                      -0.0,
                                      1,
                                      -1,
                                      0.5,
                                      1.0 / 3,
                                      2.0 / 3,
                                      0.1,
                                      0.0001,
                                      0.00001,
                                      1e-15,
                                      1e-16,
                                      1234567890123,
                                      12345678901234,
                                      9999999999999.5,
                                      9999999999999.4,
                                      99999999999995,
                                      1234567890123.5,
                                      1234567890122.5,  // exact ties: to even
                                      0.12345678901225,
                                      0.9999999999999,
                                      0.99999999999995,
                                      0.99999999999994999,
                                      1e12,
                                      1e13,
                                      1e22,
                                      1e23,
                                      1e300,
                                      1.5e-300,
                                      5e-324,
                                      std::numeric_limits<double>::max(),
                                      std::numeric_limits<double>::min(),
                                      inf,
                                      -inf,
                                      std::numeric_limits<double>::quiet_NaN(),
                                      -2.5e-5,
                                      123.456,
                                      5.713383956446e262,
                                      0.4999999999999,
                                      -1.000310945187e-13};
  for (const double value : values) ExpectSameAsGeneralRule(value);
  for (int k = -330; k <= 310; ++k) {
    const double power = std::pow(10.0, k);
    for (const double value : {power, std::nextafter(power, 0.0), std::nextafter(power, inf)})
      ExpectSameAsGeneralRule(value);
  }
}

TEST(NumberTextBuffer, AgreesWithTheGeneralRuleOnRandomValues) {
  std::mt19937_64 random(20240607);
  std::uniform_real_distribution<double> magnitude(-20, 16);
  std::uniform_int_distribution<std::uint64_t> anyBits;
  for (int k = 0; k < 200000; ++k) {
    ExpectSameAsGeneralRule(std::pow(10.0, magnitude(random)) * (k % 2 ? 1 : -1));
    const double raw = std::bit_cast<double>(anyBits(random));
    ExpectSameAsGeneralRule(raw);
    // Values already cut to 13 digits, as most operands are.
    ExpectSameAsGeneralRule(TextToNumber(NumberToText(raw)));
  }
}

TEST(ReadNumberText, AgreesWithTheGeneralRule) {
  const char* const edges[] = {"0",
                               "5",
                               ".5",
                               "5.",
                               ".",
                               "",
                               "007",
                               "0.001",
                               "12.50",
                               "123456789012345",
                               "1234567890123456",
                               "0.1",
                               "1.2.3",
                               "-5",
                               "+5",
                               " 5",
                               "5e3",
                               "1/2",
                               "abc",
                               "9.999999999999999"};
  for (const char* text : edges) {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(ReadNumberText(text)),
              std::bit_cast<std::uint64_t>(TextToNumber(text)))
        << text;
  }
  std::mt19937_64 random(7);
  std::uniform_int_distribution<int> length(1, 18);
  std::uniform_int_distribution<int> figure(0, 10);  // 10 stands for "."
  for (int k = 0; k < 200000; ++k) {
    std::string text;
    for (int n = length(random); n > 0; --n) {
      const int f = figure(random);
      text += f == 10 ? '.' : static_cast<char>('0' + f);
    }
    ASSERT_EQ(std::bit_cast<std::uint64_t>(ReadNumberText(text)),
              std::bit_cast<std::uint64_t>(TextToNumber(text)))
        << text;
  }
}

}  // namespace
}  // namespace tl::text
