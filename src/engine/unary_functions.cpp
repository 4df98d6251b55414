#include "engine/unary_functions.h"

#include <cmath>

#include "engine/exponential.h"
#include "engine/integer_rule.h"
#include "engine/inverse_hyperbolic.h"
#include "engine/messages.h"
#include "engine/trigonometry.h"

namespace tl::engine {

namespace {

constexpr double kLongPi = 3.141592653589793;
constexpr double kOutOfRange = 555;  // the inverse routines' answer beyond ±1
constexpr double kTolerance = 1e-7;

// A full turn in degrees or gradians: an angle of a whole number of quarter
// turns has an exact sine, cosine and tangent, so sin(180) is 0 and tan(90)
// fails instead of being a huge number.
struct Turn {
  double full;
  double quarter;
  double half;
};
constexpr Turn kDegrees = {360, 90, 180};
constexpr Turn kGradians = {400, 100, 200};

const Turn& TurnOf(AngleMode angleMode) {
  return angleMode == AngleMode::Degrees ? kDegrees : kGradians;
}

// The sines of 0 to 3 quarter turns.
constexpr double kQuarterSines[4] = {0, 1, 0, -1};

// An angle in degrees or gradians less whole turns (fmod is exact): a whole
// number of quarter turns, 0 to 3, or any other angle, in radians.
struct ReducedAngle {
  int quarters;  // −1 when the angle is no whole number of quarter turns
  double radians;
};

ReducedAngle Reduce(double x, AngleMode angleMode) {
  const Turn& turn = TurnOf(angleMode);
  const double r = std::fmod(x, turn.full);
  if (std::fmod(r, turn.quarter) == 0) return {(static_cast<int>(r / turn.quarter) + 4) % 4, 0};
  return {-1, (r / turn.half) * kLongPi};
}

// An inverse function's answer a, in radians, in the angle mode.
double FromRadians(double a, AngleMode angleMode) {
  if (angleMode == AngleMode::Radians) return a;
  return (a / kLongPi) * TurnOf(angleMode).half;
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

// The arccosine as π/2 less the arcsine, or 555 beyond ±1, in every angle
// mode: acos(0) is π/2 to the last digit.
double ArccosineRoutine(double x) {
  if (x < -1 - kTolerance || x > 1 + kTolerance) return kOutOfRange;
  return kLongPi / 2 - ArcsineRoutine(x);
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
  if (angleMode == AngleMode::Radians) return {Sine(x)};
  const ReducedAngle angle = Reduce(x, angleMode);
  if (angle.quarters >= 0) return {kQuarterSines[angle.quarters]};
  return {Sine(angle.radians)};
}
Computed Cos(double x, AngleMode angleMode) {
  if (angleMode == AngleMode::Radians) return {Cosine(x)};
  const ReducedAngle angle = Reduce(x, angleMode);
  if (angle.quarters >= 0) return {kQuarterSines[(angle.quarters + 1) % 4]};
  return {Cosine(angle.radians)};
}
Computed Tan(double x, AngleMode angleMode) {
  if (angleMode == AngleMode::Radians) return {Tangent(x)};
  const ReducedAngle angle = Reduce(x, angleMode);
  if (angle.quarters < 0) return {Tangent(angle.radians)};
  if (angle.quarters % 2 == 1) return {0, msg::kTangent};  // a right angle has none
  return {0};
}
Computed Sqr(double x, AngleMode) {
  return {std::sqrt(x)};
}

Computed Asin(double x, AngleMode angleMode) {
  const double a = ArcsineRoutine(x);
  if (IsOutOfRangeMarker(a)) return {0, msg::kSineRange};
  return {FromRadians(a, angleMode)};
}

Computed Acos(double x, AngleMode angleMode) {
  const double a = ArccosineRoutine(x);
  if (IsOutOfRangeMarker(a)) return {0, msg::kCosineRange};
  return {FromRadians(a, angleMode)};
}

Computed Atan(double x, AngleMode angleMode) {
  return {FromRadians(Arctangent(x), angleMode)};
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
Computed Asinh(double x, AngleMode) {
  return {Arsinh(x)};
}
Computed Acosh(double x, AngleMode) {
  return {Arcosh(x)};
}
Computed Atanh(double x, AngleMode) {
  return {Artanh(x)};
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
