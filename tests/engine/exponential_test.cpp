#include "engine/exponential.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tl::engine {
namespace {

const double kInfinity = std::numeric_limits<double>::infinity();

// Expected values are the correctly rounded ones.
TEST(Exponential, ExpIsCorrectlyRounded) {
  struct Case {
    double x, expected;
  } const cases[] = {
      {1, 2.718281828459045},
      {-1, 0.36787944117144233},
      {0.5, 1.6487212707001282},
      {10, 22026.465794806718},
      {700, 1.0142320547350045e+304},
      {-700, 9.85967654375977e-305},
      {1e-10, 1.0000000001},
      {709.78, 1.7928227943945155e+308},
      {710, kInfinity},
      {-746, 0},
      {0, 1},
  };
  for (const Case& c : cases) EXPECT_EQ(Exp(c.x), c.expected) << c.x;
}

TEST(Exponential, LnIsCorrectlyRounded) {
  struct Case {
    double x, expected;
  } const cases[] = {
      {2, 0.6931471805599453},
      {10, 2.302585092994046},
      {0.5, -0.6931471805599453},
      {1e-300, -690.7755278982137},
      {1.7976931348623157e308, 709.782712893384},
      {5e-324, -744.4400719213812},
      {1.0000000001, 1.000000082690371e-10},
      {0.9999999999, -1.000000082790371e-10},
      {1, 0},
      {0, -kInfinity},
  };
  for (const Case& c : cases) EXPECT_EQ(Ln(c.x), c.expected) << c.x;
  EXPECT_TRUE(std::isnan(Ln(-1)));
}

TEST(Exponential, PowerKeepsEveryDigit) {
  struct Case {
    double x, y, expected;
  } const cases[] = {
      {323.303, 100, 9.140573695318481e+250},  // a Windows runtime loses digits here
      {3.14159265358979, 255, 5.932223937649995e+126},
      {1.0000001, 1e7, 2.7182816941320818},
      {2, 0.5, 1.4142135623730951},
      {7, -3, 0.0029154518950437317},
      {2, 70, 1180591620717411303424.0},  // exact
      {3, 30, 205891132094649},
      {10, 308, 1e308},
      {8, 1.0 / 3, 2},
      {0.5, -1074, kInfinity},
      {554.436, 194, kInfinity},
  };
  for (const Case& c : cases) EXPECT_EQ(Power(c.x, c.y), c.expected) << c.x << "^" << c.y;
}

// Small whole exponents: the correctly rounded power, and at a tie or very
// near one, exactly what the logarithm and exponential give (x × x would round
// 134217727^2, exactly halfway, to 18014398241046528).
TEST(Exponential, PowerOfASmallWholeExponent) {
  struct Case {
    double x, y, expected;
  } const cases[] = {
      {1.5, 2, 2.25},
      {123.45, 3, 1881365.9636250001},
      {0.07, 4, 2.4010000000000009e-05},
      {999.99, 8, 9.9992000279994405e+23},
      {134217727, 2, 18014398241046530},
      {263646842, 2, 69509657296572968},
      {-208065, 3, -9007351116674624},
      {2.2509993868879974e-10, 6, 1.3009250018404059e-58},
      {1e30, 8, 1.0000000000000002e+240},
  };
  for (const Case& c : cases) EXPECT_EQ(Power(c.x, c.y), c.expected) << c.x << "^" << c.y;
}

TEST(Exponential, PowerFollowsTheCLibraryRules) {
  struct Case {
    double x, y, expected;
  } const cases[] = {
      {-2, 3, -8},         {-2, 2, 4},
      {0, 5, 0},           {0, -1, kInfinity},
      {5, 0, 1},           {1, kInfinity, 1},
      {0.5, kInfinity, 0}, {2, kInfinity, kInfinity},
      {2, -kInfinity, 0},  {0.5, -kInfinity, kInfinity},
      {-1, kInfinity, 1},  {-0.0, -3, -kInfinity},
  };
  for (const Case& c : cases) EXPECT_EQ(Power(c.x, c.y), c.expected) << c.x << "^" << c.y;
  EXPECT_TRUE(std::signbit(Power(-0.0, 3)));
  EXPECT_TRUE(std::isnan(Power(-8, 1.0 / 3)));
}

}  // namespace
}  // namespace tl::engine
