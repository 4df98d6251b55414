#include "engine/trigonometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tl::engine {
namespace {

// Within one unit in the last place of the correctly rounded value.
void ExpectNear(double actual, double expected) {
  EXPECT_LE(std::fabs(actual - expected), std::fabs(std::nextafter(expected, 0.0) - expected))
      << actual << " " << expected;
}

TEST(Trigonometry, HoldsEveryDigitNearMultiplesOfAQuarterTurn) {
  struct Case {
    double x, sine, cosine, tangent;
  } const cases[] = {
      {3.14159265359, -2.0682310711021444e-13, -1, 2.0682310711021444e-13},
      {1.570796326795, 1, -1.0341155355510722e-13, -9670099380792.1836},
      {6.283185307179586, -2.4492935982947064e-16, 1, -2.4492935982947064e-16},
      {355, -3.0144353359488451e-05, -0.99999999954565899, 3.0144353373184265e-05},
      {1e6, -0.34999350217129294, 0.93675212753314474, -0.37362445398759903},
      {1647000.5, 0.99143133240830861, -0.13062891379432762, -7.5896775347094723},
      {0.7853981633974483, 0.70710678118654746, 0.70710678118654757, 0.99999999999999989},
      {1e-10, 1e-10, 1, 1e-10},
      {-2.5, -0.59847214410395655, -0.8011436155469337, 0.74702229723866032},
      {100, -0.50636564110975879, 0.86231887228768389, -0.58721391515692911},
      // Large arguments, reduced with every bit of 2/π that matters.
      {-2.5e15, -0.84626760433613368, -0.53275805188770353, 1.5884651603811195},
      {1e22, -0.85220084976718879, 0.52321478539513899, -1.6287782256068988},
      {1e300, -0.81788191211590855, -0.57538611195754907, 1.4214488238747245},
      {5.3193726483265414e+255, 1, -4.6871659242546277e-19, -2.1334853857537039e+18},
      {1.7976931348623157e308, 0.004961954789184062, -0.99998768942655991, -0.0049620158744448951},
  };
  for (const Case& c : cases) {
    ExpectNear(Sine(c.x), c.sine);
    ExpectNear(Cosine(c.x), c.cosine);
    ExpectNear(Tangent(c.x), c.tangent);
  }
}

TEST(Trigonometry, Arctangent) {
  struct Case {
    double x, expected;
  } const cases[] = {
      {0.5, 0.4636476090008061},
      {1, 0.7853981633974483},
      {1.5, 0.982793723247329},
      {3, 1.2490457723982544},
      {-0.3, -0.2914567944778671},
      {100, 1.5607966601082315},
      {1e-30, 1e-30},
      {0x1p70, 1.5707963267948966},
  };
  for (const Case& c : cases) ExpectNear(Arctangent(c.x), c.expected);
  EXPECT_EQ(Arctangent(std::numeric_limits<double>::infinity()), 1.5707963267948966);
  EXPECT_EQ(Arctangent(-std::numeric_limits<double>::infinity()), -1.5707963267948966);
}

TEST(Trigonometry, InfinityIsNotANumber) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_TRUE(std::isnan(Sine(inf)));
  EXPECT_TRUE(std::isnan(Cosine(-inf)));
  EXPECT_TRUE(std::isnan(Tangent(inf)));
}

TEST(Trigonometry, AgreesWithItselfAcrossTheCircle) {
  for (int k = -4000; k <= 4000; ++k) {
    const double x = k * 0.01234567;
    EXPECT_EQ(Sine(-x), -Sine(x)) << x;
    EXPECT_EQ(Cosine(-x), Cosine(x)) << x;
    EXPECT_NEAR(Sine(x) * Sine(x) + Cosine(x) * Cosine(x), 1, 4e-16) << x;
  }
}

}  // namespace
}  // namespace tl::engine
