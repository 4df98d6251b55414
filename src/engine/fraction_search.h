#pragma once
// The search for a short fraction that matches the fractional part of a value.
#include <cstdint>
#include <optional>

namespace tl::engine {

struct Fraction {
  std::int64_t numerator;
  std::int64_t denominator;
};

// Walks from 1/2: the numerator rises while the trial fraction is more than
// 1e-12 too small, the denominator while it is more than 1e-12 too large, so
// the walk meets a fraction in lowest terms first (0.75: 1/2, 2/2, 2/3, 3/3,
// 3/4). Gives up (none) once numerator and denominator would have 9 digits
// between them. `fraction` lies in (0, 1).
std::optional<Fraction> FindFraction(double fraction);

// The number of decimal digits of a positive whole number.
int DigitCount(std::int64_t number);

}  // namespace tl::engine
