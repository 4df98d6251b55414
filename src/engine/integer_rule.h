#pragma once
// The integer rule: the one definition of "the integer part of a value" used by
// the "int" function, the factorial check and the fraction output.
#include <cmath>

namespace tl::engine {

// The value truncated toward zero, moved one step away from zero when its
// fraction is within 1e-12 of a whole (int(2.9999999999999) is 3). Kept as a
// double, so a value beyond the 32-bit range keeps its own integer part.
inline double IntegerRule(double x) {
  double whole = std::trunc(x);
  if (std::fabs(x - whole) > 0.999999999999) whole += x > 0 ? 1 : -1;
  return whole;
}

}  // namespace tl::engine
