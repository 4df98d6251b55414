#include "engine/inverse_hyperbolic.h"

#include <cmath>
#include <limits>

#include "engine/double_double.h"
#include "engine/exponential.h"

namespace tl::engine {

namespace {

constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();

// From here on √(x² ± 1) is x to double-double precision (and x² may no
// longer be formed exactly): the answer is ln(2x).
constexpr double kLarge = 0x1p28;

double LnOfTwice(double x) {
  return Add(Ln(DoubleDouble{x, 0}), Ln(DoubleDouble{2, 0})).hi;
}

}  // namespace

double Arsinh(double x) {
  if (!std::isfinite(x)) return x;
  if (x == 0) return 0;
  const double magnitude = std::fabs(x);
  if (magnitude >= kLarge) return std::copysign(LnOfTwice(magnitude), x);
  const DoubleDouble root = SquareRoot(Add(TwoProduct(magnitude, magnitude), DoubleDouble{1, 0}));
  return std::copysign(Ln(Add(DoubleDouble{magnitude, 0}, root)).hi, x);
}

double Arcosh(double x) {
  if (std::isnan(x) || x < 1) return kNotANumber;
  if (std::isinf(x)) return x;
  if (x >= kLarge) return LnOfTwice(x);
  const DoubleDouble root = SquareRoot(Add(TwoProduct(x, x), DoubleDouble{-1, 0}));
  return Ln(Add(DoubleDouble{x, 0}, root)).hi;
}

double Artanh(double x) {
  const double magnitude = std::fabs(x);
  if (magnitude == 1) return std::copysign(HUGE_VAL, x);
  if (!(magnitude < 1)) return kNotANumber;
  if (x == 0) return 0;
  const DoubleDouble ratio = Divide(TwoSum(1, magnitude), TwoSum(1, -magnitude));
  return std::copysign(Ln(ratio).hi / 2, x);
}

}  // namespace tl::engine
