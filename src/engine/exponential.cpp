#include "engine/exponential.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "engine/double_double.h"

namespace tl::engine {

namespace {

constexpr DoubleDouble kLn2 = {6.93147180559945286227e-01, 2.31904681384629955842e-17};
constexpr double kSqrtHalf = 7.07106781186547524401e-01;
constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double kOverflow = 709.8;    // e^x is infinite past this
constexpr double kUnderflow = -746.0;  // and 0 below this
constexpr double kHugeExponent = 1e4;  // |y ln x| beyond it: over- or underflow for sure

// 1/n as a double-double.
constexpr DoubleDouble Reciprocal(double n) {
  const double hi = 1 / n;
  const DoubleDouble p = TwoProduct(hi, n);  // hi × n exactly, close to 1
  return {hi, ((1 - p.hi) - p.lo) / n};
}

// 1/(2k + 1) for the series of atanh, k = 0 … 20.
constexpr std::array<DoubleDouble, 21> kOddReciprocals = [] {
  std::array<DoubleDouble, 21> table{};
  for (std::size_t k = 0; k < table.size(); ++k) table[k] = Reciprocal(2.0 * k + 1);
  return table;
}();

// 1/k! for the series of exp, k = 0 … 11.
constexpr std::array<DoubleDouble, 12> kFactorialReciprocals = [] {
  std::array<DoubleDouble, 12> table{};
  table[0] = {1, 0};
  for (std::size_t k = 1; k < table.size(); ++k)
    table[k] = Multiply(table[k - 1], Reciprocal(static_cast<double>(k)));
  return table;
}();

// ln x for a finite x > 0: x = m·2^e with m in [√½, √2), and
// ln m = 2 atanh s = 2 (s + s³/3 + s⁵/5 + …) with s = (m − 1)/(m + 1), |s| < 0.172.
DoubleDouble LogOf(double x) {
  int e = 0;
  double m = std::frexp(x, &e);
  if (m < kSqrtHalf) {
    m *= 2;
    --e;
  }
  const DoubleDouble s = Divide(DoubleDouble{m - 1, 0}, TwoSum(m, 1));
  const DoubleDouble s2 = Multiply(s, s);
  DoubleDouble series = kOddReciprocals.back();
  for (std::size_t k = kOddReciprocals.size() - 1; k-- > 0;)
    series = Add(Multiply(series, s2), kOddReciprocals[k]);
  return Add(Multiply(Multiply(series, s), 2.0), Multiply(kLn2, static_cast<double>(e)));
}

// e^t: t = k ln 2 + r with |r| ≤ ln 2 / 2, e^r = (e^(r/256))^256 and the series
// of e^(r/256) needs few terms.
double ExpOf(DoubleDouble t) {
  if (t.hi > kOverflow) return HUGE_VAL;
  if (t.hi < kUnderflow) return 0;
  const double k = std::nearbyint(t.hi / kLn2.hi);
  DoubleDouble r = Add(t, Multiply(kLn2, -k));
  r = {r.hi / 256, r.lo / 256};
  DoubleDouble series = kFactorialReciprocals.back();
  for (std::size_t n = kFactorialReciprocals.size() - 1; n-- > 0;)
    series = Add(Multiply(series, r), kFactorialReciprocals[n]);
  for (int square = 0; square < 8; ++square) series = Multiply(series, series);
  return std::ldexp(series.hi, static_cast<int>(k));
}

// Whole exponents up to this are also worked out by repeated multiplication,
// for factors whose powers stay well inside the normal range.
constexpr double kMostFactors = 8;
constexpr double kSmallestFactor = 1e-30;
constexpr double kLargestFactor = 1e30;

// x^n for a whole n from 2 to kMostFactors and x from kSmallestFactor to
// kLargestFactor, when that is sure to be exactly what the logarithm and
// exponential below give; empty when it is not.
//
// The product of n − 1 double-double multiplications lies within 2^-99 of the
// exact power, and the logarithm and exponential carry an error below 2^-90
// (in both cases relative). When the product stands more than 2^-72 away from
// the midpoints to the neighbouring doubles, the exact power and both
// approximations round to the same double: the product's high part. Closer to a
// midpoint (exact ties such as 134217727^2 included), the general way decides.
std::optional<double> RepeatedProduct(double x, double n) {
  if (n < 2 || n > kMostFactors || std::trunc(n) != n) return std::nullopt;
  if (x < kSmallestFactor || x > kLargestFactor) return std::nullopt;
  DoubleDouble product = TwoProduct(x, x);
  for (double factors = 2; factors < n; ++factors) product = Multiply(product, x);
  // The high part is the product rounded; the neighbouring doubles are one
  // unit of the bit pattern away (a positive normal number).
  const double rounded = product.hi;
  const auto bits = std::bit_cast<std::uint64_t>(rounded);
  const double margin = rounded * 0x1p-72;
  const double upToMidpoint = (std::bit_cast<double>(bits + 1) - rounded) / 2 - margin;
  const double downToMidpoint = (rounded - std::bit_cast<double>(bits - 1)) / 2 - margin;
  if (product.lo >= upToMidpoint || -product.lo >= downToMidpoint) return std::nullopt;
  return rounded;
}

bool IsOddWhole(double y) {
  return std::trunc(y) == y && std::fabs(std::fmod(y, 2.0)) == 1;
}

}  // namespace

double Exp(double x) {
  if (std::isnan(x)) return x;
  return ExpOf(DoubleDouble{x, 0});
}

double Ln(double x) {
  if (std::isnan(x) || x < 0) return kNotANumber;
  if (x == 0) return -HUGE_VAL;
  if (std::isinf(x)) return x;
  return LogOf(x).hi;
}

// ln(hi + lo) = ln(hi) + ln(1 + lo/hi), and ln(1 + lo/hi) is lo/hi to
// double-double precision (|lo/hi| is below 2^-53).
DoubleDouble Ln(DoubleDouble a) {
  return Add(LogOf(a.hi), DoubleDouble{a.lo / a.hi, 0});
}

double Power(double x, double y) {
  if (y == 0 || x == 1) return 1;
  if (std::isnan(x) || std::isnan(y)) return kNotANumber;
  const double magnitude = std::fabs(x);
  if (std::isinf(y)) {
    if (magnitude == 1) return 1;
    return (magnitude > 1) == (y > 0) ? HUGE_VAL : 0;
  }
  if (x < 0 && std::trunc(y) != y) return kNotANumber;
  const double sign = std::signbit(x) && IsOddWhole(y) ? -1 : 1;
  if (magnitude == 0 || std::isinf(magnitude)) {
    const bool large = (magnitude == 0) == (y < 0);
    return sign * (large ? HUGE_VAL : 0);
  }
  if (const std::optional<double> product = RepeatedProduct(magnitude, y)) return sign * *product;
  const DoubleDouble log = LogOf(magnitude);
  const double exponent = log.hi * y;
  if (std::fabs(exponent) > kHugeExponent) return sign * (exponent > 0 ? HUGE_VAL : 0);
  return sign * ExpOf(Multiply(log, y));
}

}  // namespace tl::engine
