#pragma once
// The one-argument set: the named functions (trigonometric in three angle
// modes, inverse trigonometric, square root, absolute value, exponential,
// integer part, logarithms, hyperbolic and inverse hyperbolic) and the operators "~", "!", "%",
// "‰". Each gives its value for argument x; the function table names them and turns a value that is
// not finite into the function's message.
#include <string_view>

#include "engine/engine.h"

namespace tl::engine {

// A value, or the message of a check made before the value exists.
struct Computed {
  double value = 0;
  std::string_view failure = {};
};

namespace unary {

Computed Sin(double x, AngleMode angleMode);
Computed Cos(double x, AngleMode angleMode);
Computed Tan(double x, AngleMode angleMode);
Computed Sqr(double x, AngleMode);
Computed Asin(double x, AngleMode angleMode);  // beyond ±1: msg::kSineRange
Computed Acos(double x, AngleMode angleMode);  // beyond ±1: msg::kCosineRange
Computed Atan(double x, AngleMode angleMode);
Computed Sinh(double x, AngleMode);
Computed Cosh(double x, AngleMode);
Computed Tanh(double x, AngleMode);
Computed Asinh(double x, AngleMode);
Computed Acosh(double x, AngleMode);  // below 1: not a number
Computed Atanh(double x, AngleMode);  // ±1 and beyond: not finite
Computed Abs(double x, AngleMode);
Computed Exp(double x, AngleMode);
Computed Int(double x, AngleMode);
Computed Ln(double x, AngleMode);
Computed Lg(double x, AngleMode);
Computed Negate(double x, AngleMode);
Computed Percent(double x, AngleMode);
Computed PerMille(double x, AngleMode);
Computed Factorial(double x, AngleMode);  // not a whole from 1 to 150: msg::kFactorial

}  // namespace unary

}  // namespace tl::engine
