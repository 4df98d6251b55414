#include "engine/fraction_search.h"

#include <cmath>

namespace tl::engine {

namespace {

constexpr int kDigitLimit = 9;       // numerator and denominator digits together
constexpr double kMatch = 1 - 1e-7;  // in units of 1e-12
constexpr double kScale = 1e12;

// (fraction − b ÷ n) in units of 1e-12: positive when the trial is too small.
double Gap(double fraction, std::int64_t b, std::int64_t n) {
  return (fraction - static_cast<double>(b) / static_cast<double>(n)) * kScale;
}

// The smallest whole number with `digits` digits or more.
std::int64_t FirstWithDigits(int digits) {
  std::int64_t number = 1;
  for (int k = 1; k < digits; ++k) number *= 10;
  return number;
}

// The first x in (from, limit) for which `stays` is false, or `limit` when it
// holds all the way. `stays` holds at `from` and, x rising, turns false at most
// once: the walk's steps in one direction are found by galloping and halving
// instead of one by one, which keeps a denominator walk to 10^7 cheap.
template <class Stays>
std::int64_t FirstLeaving(std::int64_t from, std::int64_t limit, Stays stays) {
  std::int64_t low = from;
  std::int64_t high = limit;
  for (std::int64_t step = 1; low + step < limit; step *= 2) {
    if (!stays(low + step)) {
      high = low + step;
      break;
    }
    low += step;
  }
  while (high - low > 1) {
    const std::int64_t middle = low + (high - low) / 2;
    (stays(middle) ? low : high) = middle;
  }
  return high;
}

}  // namespace

int DigitCount(std::int64_t number) {
  int digits = 1;
  for (; number >= 10; number /= 10) ++digits;
  return digits;
}

std::optional<Fraction> FindFraction(double fraction) {
  std::int64_t b = 1;
  std::int64_t n = 2;
  // The gap is monotone in each of b and n (a quotient rounds monotonically),
  // so a run of steps in one direction ends where the predicate first fails.
  while (true) {
    const double gap = Gap(fraction, b, n);
    if (std::fabs(gap) < kMatch) return Fraction{b, n};
    if (gap > 0) {
      const std::int64_t limit = FirstWithDigits(kDigitLimit - DigitCount(n));
      b = FirstLeaving(b, limit, [&](std::int64_t x) { return Gap(fraction, x, n) >= kMatch; });
      if (b >= limit) return std::nullopt;
    } else {
      const std::int64_t limit = FirstWithDigits(kDigitLimit - DigitCount(b));
      n = FirstLeaving(n, limit, [&](std::int64_t x) { return Gap(fraction, b, x) <= -kMatch; });
      if (n >= limit) return std::nullopt;
    }
  }
}

}  // namespace tl::engine
