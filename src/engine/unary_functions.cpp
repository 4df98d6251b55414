#include "engine/unary_functions.h"

#include <array>
#include <cmath>
#include <string>

#include "engine/alphabet.h"
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

// A result, or the message of a check made before the result exists.
struct Computed {
  double value = 0;
  std::string_view failure = {};
};

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

Computed Arcsine(double x, AngleMode angleMode) {
  const double a = ArcsineRoutine(x);
  if (IsOutOfRangeMarker(a)) return {0, msg::kSineRange};
  return {angleMode == AngleMode::Degrees ? a / kLongPi * 180 : a};
}

Computed Arccosine(double x, AngleMode angleMode) {
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

Computed InverseTangent(double x, AngleMode angleMode) {
  const double t = Arctangent(x);
  return {angleMode == AngleMode::Degrees ? t / kLongPi * 180 : t};
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

double HalfDifference(double x) {
  return (Exp(x) - Exp(-x)) / 2;
}
double HalfSum(double x) {
  return (Exp(x) + Exp(-x)) / 2;
}

}  // namespace

struct OneArgumentFunction {
  std::string_view name;
  Computed (*compute)(double x, AngleMode angleMode);
  // The message for a result that is not finite; empty for the composed
  // "function failed" message.
  std::string_view notFinite;
};

namespace {

constexpr std::array<OneArgumentFunction, 19> kFunctions = {{
    {"sin", [](double x, AngleMode mode) { return Computed{Sine(ToRadians(x, mode))}; },
     msg::kSine},
    {"cos", [](double x, AngleMode mode) { return Computed{Cosine(ToRadians(x, mode))}; },
     msg::kCosine},
    {"tan", [](double x, AngleMode mode) { return Computed{Tangent(ToRadians(x, mode))}; },
     msg::kTangent},
    {"sqr", [](double x, AngleMode) { return Computed{std::sqrt(x)}; }, msg::kSquareRoot},
    {"asin", Arcsine, msg::kArcsine},
    {"acos", Arccosine, {}},
    {"atan", InverseTangent, {}},
    {"sinh", [](double x, AngleMode) { return Computed{HalfDifference(x)}; }, msg::kSinh},
    {"cosh", [](double x, AngleMode) { return Computed{HalfSum(x)}; }, msg::kCosh},
    {"tanh", [](double x, AngleMode) { return Computed{HalfDifference(x) / HalfSum(x)}; },
     msg::kTanh},
    {"abs", [](double x, AngleMode) { return Computed{std::fabs(x)}; }, {}},
    {"exp", [](double x, AngleMode) { return Computed{Exp(x)}; }, {}},
    {"int", [](double x, AngleMode) { return Computed{IntegerRule(x)}; }, {}},
    {"ln", [](double x, AngleMode) { return Computed{Ln(x)}; }, {}},
    {"lg", [](double x, AngleMode) { return Computed{Ln(x) / Ln(10)}; }, {}},
    {"~", [](double x, AngleMode) { return Computed{-x}; }, {}},
    {"%", [](double x, AngleMode) { return Computed{x / 100}; }, {}},
    {kPerMille, [](double x, AngleMode) { return Computed{x / 1000}; }, {}},
    {"!", Factorial, {}},
}};

}  // namespace

const OneArgumentFunction* FindOneArgumentFunction(std::string_view name) {
  for (const OneArgumentFunction& function : kFunctions) {
    if (function.name == name) return &function;
  }
  return nullptr;
}

std::string_view NameOf(const OneArgumentFunction& function) {
  return function.name;
}

StepResult<double> ApplyFunction(const OneArgumentFunction& function, double x,
                                 AngleMode angleMode) {
  const Computed computed = function.compute(x, angleMode);
  if (!computed.failure.empty()) return Diagnostic{std::string(computed.failure)};
  if (!std::isfinite(computed.value)) {
    if (function.notFinite.empty()) return Diagnostic{msg::FunctionFailed(function.name)};
    return Diagnostic{std::string(function.notFinite)};
  }
  return computed.value;
}

}  // namespace tl::engine
