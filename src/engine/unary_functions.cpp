#include "engine/unary_functions.h"

#include <cmath>

#include "engine/exponential.h"
#include "engine/integer_rule.h"
#include "engine/messages.h"
#include "engine/trigonometry.h"

namespace tl::engine {

namespace {

// The constants of the angle conversions, each used exactly where it is
// written below: the short forms shift the angle slightly, which is why
// cos(60) in degrees is 0.4999999999999 and tan(90) is finite.
constexpr double kShortPi = 3.14159265359;
constexpr double kLongPi = 3.141592653589793;
constexpr double kShortTwoPi = 6.28318530718;
constexpr double kShortHalfPi = 1.57079632675;
constexpr double kOutOfRange = 555;  // the inverse routines' answer beyond ±1
constexpr double kTolerance = 1e-7;

double ToRadians(double x, AngleMode angleMode) {
  switch (angleMode) {
    case AngleMode::Degrees:
      return x / 180 * kShortPi;
    case AngleMode::Radians:
      return x;
    case AngleMode::Gradians:
      break;
  }
  return x * kShortTwoPi / 400;
}

// The arcsine as the arctangent of x ÷ √(1 − x²), or 555 beyond ±1 (with the
// tolerance). Just inside the tolerance 1 − x² is negative and the result is
// not a number; at ±1 exactly it is ±π/2, the arctangent of ±infinity.
double ArcsineRoutine(double x) {
  if (x < -1 - kTolerance || x > 1 + kTolerance) return kOutOfRange;
  const double rest = 1 - x * x;
  if (rest == 0) return Arctangent(std::copysign(HUGE_VAL, x));
  return Arctangent(x / std::sqrt(rest));
}

double ArccosineRoutine(double x) {
  if (x < -1 - kTolerance || x > 1 + kTolerance) return kOutOfRange;
  return kShortHalfPi - ArcsineRoutine(x);
}

bool IsOutOfRangeMarker(double a) {
  return std::fabs(a - kOutOfRange) <= kTolerance;
}

double HalfDifference(double x) {
  return (Exp(x) - Exp(-x)) / 2;
}
double HalfSum(double x) {
  return (Exp(x) + Exp(-x)) / 2;
}

}  // namespace

namespace unary {

Computed Sin(double x, AngleMode angleMode) {
  return {Sine(ToRadians(x, angleMode))};
}
Computed Cos(double x, AngleMode angleMode) {
  return {Cosine(ToRadians(x, angleMode))};
}
Computed Tan(double x, AngleMode angleMode) {
  return {Tangent(ToRadians(x, angleMode))};
}
Computed Sqr(double x, AngleMode) {
  return {std::sqrt(x)};
}

Computed Asin(double x, AngleMode angleMode) {
  const double a = ArcsineRoutine(x);
  if (IsOutOfRangeMarker(a)) return {0, msg::kSineRange};
  return {angleMode == AngleMode::Degrees ? a / kLongPi * 180 : a};
}

Computed Acos(double x, AngleMode angleMode) {
  const double a = ArccosineRoutine(x);
  if (IsOutOfRangeMarker(a)) return {0, msg::kCosineRange};
  switch (angleMode) {
    case AngleMode::Degrees:
      return {a / kShortPi * 180};
    case AngleMode::Radians:
      return {a};
    case AngleMode::Gradians:
      break;
  }
  return {a * 400 / kShortTwoPi};
}

Computed Atan(double x, AngleMode angleMode) {
  const double t = Arctangent(x);
  return {angleMode == AngleMode::Degrees ? t / kLongPi * 180 : t};
}

Computed Sinh(double x, AngleMode) {
  return {HalfDifference(x)};
}
Computed Cosh(double x, AngleMode) {
  return {HalfSum(x)};
}
Computed Tanh(double x, AngleMode) {
  return {HalfDifference(x) / HalfSum(x)};
}
Computed Abs(double x, AngleMode) {
  return {std::fabs(x)};
}
Computed Exp(double x, AngleMode) {
  return {engine::Exp(x)};
}
Computed Int(double x, AngleMode) {
  return {IntegerRule(x)};
}
Computed Ln(double x, AngleMode) {
  return {engine::Ln(x)};
}
Computed Lg(double x, AngleMode) {
  return {engine::Ln(x) / engine::Ln(10)};
}
Computed Negate(double x, AngleMode) {
  return {-x};
}
Computed Percent(double x, AngleMode) {
  return {x / 100};
}
Computed PerMille(double x, AngleMode) {
  return {x / 1000};
}

// 1 × 2 × … × n for a whole n from 1 to 150. A value a hair below a whole
// (2.9999999999997, the 13-digit form of 1÷3×3×3) counts as that whole, as
// the integer rule has it, rather than the whole below.
Computed Factorial(double x, AngleMode) {
  const double n = IntegerRule(x);
  if (x <= kTolerance || x - 150 > kTolerance || std::fabs(x - n) > kTolerance)
    return {0, msg::kFactorial};
  double product = 1;
  for (int k = 2; k <= static_cast<int>(n); ++k) product *= k;
  return {product};
}

}  // namespace unary

}  // namespace tl::engine
