#pragma once
// Numbers carried as the unevaluated sum of two doubles (about 106 bits), built
// from plain IEEE operations only, so that the functions that use them give
// the same bits on every platform.
#include <cmath>

namespace tl::engine {

struct DoubleDouble {
  double hi = 0;
  double lo = 0;  // |lo| ≤ half a unit in the last place of hi
};

// a + b exactly.
constexpr DoubleDouble TwoSum(double a, double b) {
  const double s = a + b;
  const double bPart = s - a;
  return {s, (a - (s - bPart)) + (b - bPart)};
}

// a + b exactly, for |a| ≥ |b|.
constexpr DoubleDouble QuickTwoSum(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

// a × b exactly (Dekker's splitting), for |a|, |b| below about 1e300.
constexpr DoubleDouble TwoProduct(double a, double b) {
  constexpr double kSplit = 134217729;  // 2^27 + 1
  const double aBig = kSplit * a;
  const double aHigh = aBig - (aBig - a);
  const double aLow = a - aHigh;
  const double bBig = kSplit * b;
  const double bHigh = bBig - (bBig - b);
  const double bLow = b - bHigh;
  const double p = a * b;
  return {p, ((aHigh * bHigh - p) + aHigh * bLow + aLow * bHigh) + aLow * bLow};
}

constexpr DoubleDouble Add(DoubleDouble a, DoubleDouble b) {
  DoubleDouble s = TwoSum(a.hi, b.hi);
  const DoubleDouble t = TwoSum(a.lo, b.lo);
  s = QuickTwoSum(s.hi, s.lo + t.hi);
  return QuickTwoSum(s.hi, s.lo + t.lo);
}

constexpr DoubleDouble Multiply(DoubleDouble a, DoubleDouble b) {
  const DoubleDouble p = TwoProduct(a.hi, b.hi);
  return QuickTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

constexpr DoubleDouble Multiply(DoubleDouble a, double b) {
  const DoubleDouble p = TwoProduct(a.hi, b);
  return QuickTwoSum(p.hi, p.lo + a.lo * b);
}

// a ÷ b for b not zero: three quotient digits, each from the remainder.
constexpr DoubleDouble Divide(DoubleDouble a, DoubleDouble b) {
  const double q1 = a.hi / b.hi;
  DoubleDouble r = Add(a, Multiply(b, -q1));
  const double q2 = r.hi / b.hi;
  r = Add(r, Multiply(b, -q2));
  const double q3 = r.hi / b.hi;
  return Add(QuickTwoSum(q1, q2), DoubleDouble{q3, 0});
}

// √a for a ≥ 0: the double root and one Newton step carried in double-double.
inline DoubleDouble SquareRoot(DoubleDouble a) {
  const double root = std::sqrt(a.hi);
  if (!(root > 0)) return {root, 0};
  const DoubleDouble square = TwoProduct(root, root);
  return QuickTwoSum(root, (((a.hi - square.hi) - square.lo) + a.lo) / (2 * root));
}

}  // namespace tl::engine
