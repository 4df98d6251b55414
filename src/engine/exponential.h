#pragma once
// Exponential, natural logarithm and power computed the same way on every
// platform: the C libraries differ in the last bits, and a Windows runtime's
// pow loses digits for large exponents (323.303^100), while a result
// must not depend on where the program runs. Carried in double-double
// precision, so the results are correctly rounded but in the rarest cases.
#include "engine/double_double.h"

namespace tl::engine {

// e^x; infinite past about 709.78, 0 below about −745.13.
double Exp(double x);

// The natural logarithm: −infinity at 0, not a number below 0.
double Ln(double x);

// The natural logarithm of a.hi + a.lo, for a finite a.hi > 0, in
// double-double: it keeps the digits of ln(1 + t) for a tiny t held in a.lo.
DoubleDouble Ln(DoubleDouble a);

// x^y with the C library's rules for zeros, negative bases (only whole
// exponents; a fractional one gives not a number), infinite exponents and
// overflow.
double Power(double x, double y);

}  // namespace tl::engine
