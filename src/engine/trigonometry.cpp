#include "engine/trigonometry.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/double_double.h"

namespace tl::engine {

namespace {

// The reduction and the kernels are the classic ones of the freely
// distributable fdlibm, whose results lie within one unit in the last place.

// π/2 in three parts: the first two have few enough bits that n times each is
// exact for n below 2^20, so x − n·π/2 keeps its digits even when x lies very
// close to a multiple of π/2.
constexpr double kTwoOverPi = 6.36619772367581382433e-01;
constexpr double kHalfPi1 = 1.57079632673412561417e+00;  // 31 bits
constexpr double kHalfPi2 = 6.07710050630396597660e-11;  // 32 bits
constexpr double kHalfPi3 = 2.02226624879595063154e-21;  // π/2 − the two above
constexpr double kMostQuarterTurns = 1048576;            // 2^20

constexpr double kS1 = -1.66666666666666324348e-01;
constexpr double kS2 = 8.33333333332248946124e-03;
constexpr double kS3 = -1.98412698298579493134e-04;
constexpr double kS4 = 2.75573137070700676789e-06;
constexpr double kS5 = -2.50507602534068634195e-08;
constexpr double kS6 = 1.58969099521155010221e-10;

constexpr double kC1 = 4.16666666666666019037e-02;
constexpr double kC2 = -1.38888888888741095749e-03;
constexpr double kC3 = 2.48015872894767294178e-05;
constexpr double kC4 = -2.75573143513906633035e-07;
constexpr double kC5 = 2.08757232129817482790e-09;
constexpr double kC6 = -1.13596475577881948265e-11;

constexpr double kT[13] = {
    3.33333333333334091986e-01, 1.33333333333201242699e-01, 5.39682539762260521377e-02,
    2.18694882948595424599e-02, 8.86323982359930005737e-03, 3.59207910759131235356e-03,
    1.45620945432529025516e-03, 5.88041240820264096874e-04, 2.46463134818469906812e-04,
    7.81794442939557092300e-05, 7.14072491382608190305e-05, -1.85586374855275456654e-05,
    2.59073051863633712884e-05};
constexpr double kQuarterPi = 7.85398163397448278999e-01;
constexpr double kQuarterPiTail = 3.06161699786838301793e-17;
constexpr double kTangentFold = 0.6744;  // above it tan(x) is taken as tan(π/4 − x)

// Bits of 2/π after the binary point, 64 at a time: enough for the exact
// reduction of any finite double.
constexpr std::uint64_t kTwoOverPiBits[20] = {
    0xA2F9836E4E441529ULL, 0xFC2757D1F534DDC0ULL, 0xDB6295993C439041ULL, 0xFE5163ABDEBBC561ULL,
    0xB7246E3A424DD2E0ULL, 0x06492EEA09D1921CULL, 0xFE1DEB1CB129A73EULL, 0xE88235F52EBB4484ULL,
    0xE99C7026B45F7E41ULL, 0x3991D639835339F4ULL, 0x9C845F8BBDF9283BULL, 0x1FF897FFDE05980FULL,
    0xEF2F118B5A0A6D1FULL, 0x6D367ECF27CB09B7ULL, 0x4F463F669E5FEA2DULL, 0x7527BAC7EBE5F17BULL,
    0x3D0739F78A5292EAULL, 0x6BFB5FB11F8D5D08ULL, 0x56033046FC7B6BABULL, 0xF0CFBC209AF4361DULL};
constexpr double kHalfPi = 1.57079632679489655800e+00;      // π/2 rounded
constexpr double kHalfPiTail = 6.12323399573676603587e-17;  // π/2 − kHalfPi

constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();

using Wide = unsigned __int128;

// The angle less a whole number of quarter turns, as a head and a tail whose
// sum lies in [−π/4, π/4].
struct Reduced {
  double head;
  double tail;
  int quarter;  // quarter turns taken off, modulo 4
};

// For |x| of 2^20 quarter turns and more: x × 2/π modulo 4 in exact integer
// arithmetic over the 256 bits of 2/π that matter for this exponent (the ones
// before them add multiples of 4, the ones after change nothing).
Reduced ReduceLarge(double x) {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
  const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | std::uint64_t{1} << 52;
  const int exponent = static_cast<int>(bits >> 52 & 0x7FF) - 1075;  // |x| = mantissa × 2^exponent
  const int firstWord = exponent < 2 ? 0 : (exponent - 2) / 64;
  // mantissa × the four words, 320 bits, least significant word first.
  std::uint64_t product[5] = {};
  Wide carry = 0;
  for (int k = 3; k >= 0; --k) {
    carry += Wide{mantissa} * kTwoOverPiBits[firstWord + k];
    product[3 - k] = static_cast<std::uint64_t>(carry);
    carry >>= 64;
  }
  product[4] = static_cast<std::uint64_t>(carry);
  // The binary point lies `point` bits up from the bottom of the product.
  const int point = 64 * (firstWord + 4) - exponent;
  auto bitsAt = [&](int low) {  // the 64 bits from bit `low` up
    const int word = low / 64;
    const int shift = low % 64;
    const std::uint64_t lower = word < 5 ? product[word] : 0;
    const std::uint64_t upper = word + 1 < 5 ? product[word + 1] : 0;
    return shift == 0 ? lower : (lower >> shift) | (upper << (64 - shift));
  };
  int quarter = static_cast<int>(bitsAt(point) & 3);
  Wide fraction = Wide{bitsAt(point - 64)} << 64 | bitsAt(point - 128);
  const bool negative = fraction >> 127 != 0;  // half a quarter turn or more: round up
  if (negative) {
    fraction = -fraction;
    quarter = (quarter + 1) & 3;
  }
  // The fraction as a double-length number, then times π/2.
  int shift = 0;
  while (fraction >> 127 == 0 && shift < 128) {
    fraction <<= 1;
    ++shift;
  }
  double high =
      std::ldexp(static_cast<double>(static_cast<std::uint64_t>(fraction >> 75)), -53 - shift);
  double low =
      std::ldexp(static_cast<double>(static_cast<std::uint64_t>(fraction >> 11)), -117 - shift);
  if (negative) {
    high = -high;
    low = -low;
  }
  const DoubleDouble head = TwoProduct(high, kHalfPi);
  const double rest = head.lo + (high * kHalfPiTail + low * kHalfPi);
  const double angle = head.hi + rest;
  Reduced reduced{angle, rest - (angle - head.hi), quarter};
  if (x < 0) {
    reduced.head = -reduced.head;
    reduced.tail = -reduced.tail;
    reduced.quarter = (4 - reduced.quarter) & 3;
  }
  return reduced;
}

// x less the nearest whole number of quarter turns; x is finite.
Reduced Reduce(double x) {
  const double n = std::nearbyint(x * kTwoOverPi);
  if (!(std::fabs(n) < kMostQuarterTurns)) return ReduceLarge(x);
  const double rest = x - n * kHalfPi1;  // exact
  const double second = n * kHalfPi2;    // exact
  const double head = rest - second;
  const double correction = n * kHalfPi3 - ((rest - head) - second);
  const double reduced = head - correction;
  return Reduced{reduced, (head - reduced) - correction,
                 static_cast<int>(static_cast<std::int64_t>(n) & 3)};
}

double SineKernel(double x, double y) {
  const double z = x * x;
  const double v = z * x;
  const double r = kS2 + z * (kS3 + z * (kS4 + z * (kS5 + z * kS6)));
  return x - ((z * (0.5 * y - v * r) - y) - v * kS1);
}

double CosineKernel(double x, double y) {
  const double z = x * x;
  const double w = z * z;
  const double r = z * (kC1 + z * (kC2 + z * kC3)) + w * w * (kC4 + z * (kC5 + z * kC6));
  const double halfZ = 0.5 * z;
  const double rest = 1 - halfZ;
  return rest + (((1 - rest) - halfZ) + (z * r - x * y));
}

// sin(head + tail + quarter × π/2) for head + tail in [−π/4, π/4].
double SineWithQuarters(double head, double tail, int quarter) {
  switch (quarter & 3) {
    case 0:
      return SineKernel(head, tail);
    case 1:
      return CosineKernel(head, tail);
    case 2:
      return -SineKernel(head, tail);
    default:
      return -CosineKernel(head, tail);
  }
}

double WithoutLowWord(double x) {
  return std::bit_cast<double>(std::bit_cast<std::uint64_t>(x) & 0xFFFFFFFF00000000ULL);
}

// tan(x + y) when `odd` is false, −1/tan(x + y) when it is true.
double TangentKernel(double x, double y, bool odd) {
  const bool folded = std::fabs(x) >= kTangentFold;
  const bool negative = x < 0;
  if (folded) {
    if (negative) {
      x = -x;
      y = -y;
    }
    x = (kQuarterPi - x) + (kQuarterPiTail - y);
    y = 0;
  }
  const double z = x * x;
  double w = z * z;
  double r = kT[1] + w * (kT[3] + w * (kT[5] + w * (kT[7] + w * (kT[9] + w * kT[11]))));
  double v = z * (kT[2] + w * (kT[4] + w * (kT[6] + w * (kT[8] + w * (kT[10] + w * kT[12])))));
  const double s = z * x;
  r = y + z * (s * (r + v) + y);
  r += kT[0] * s;
  w = x + r;
  if (folded) {
    v = odd ? -1 : 1;
    return (negative ? -1 : 1) * (v - 2.0 * (x - (w * w / (w + v) - r)));
  }
  if (!odd) return w;
  if (w == 0) return HUGE_VAL;
  // −1/(x + r), keeping the digits that the plain quotient would lose.
  const double head = WithoutLowWord(w);
  v = r - (head - x);
  const double a = -1.0 / w;
  const double t = WithoutLowWord(a);
  return t + a * ((1.0 + t * head) + t * v);
}

// The arctangent: fixed points 0.5, 1, 1.5 and infinity with their arctangents
// as head and tail, and one odd polynomial for what is left.
constexpr double kAtanHead[4] = {4.63647609000806093515e-01, 7.85398163397448278999e-01,
                                 9.82793723247329054082e-01, 1.57079632679489655800e+00};
constexpr double kAtanTail[4] = {2.26987774529616870924e-17, 3.06161699786838301793e-17,
                                 1.39033110312309984516e-17, 6.12323399573676603587e-17};
constexpr double kA[11] = {
    3.33333333333329318027e-01,  -1.99999999998764832476e-01, 1.42857142725034663711e-01,
    -1.11111104054623557880e-01, 9.09088713343650656196e-02,  -7.69187620504482999495e-02,
    6.66107313738753120669e-02,  -5.83357013379057348645e-02, 4.97687799461593236017e-02,
    -3.65315727442169155270e-02, 1.62858201153657823623e-02};

}  // namespace

double Arctangent(double x) {
  if (std::isnan(x)) return x;
  const double magnitude = std::fabs(x);
  if (magnitude >= 0x1p66) return std::copysign(kAtanHead[3] + kAtanTail[3], x);
  if (magnitude < 0x1p-27) return x;
  int point = -1;  // the fixed point the argument is taken from, none below 7/16
  double t = x;
  if (magnitude >= 0.4375) {
    if (magnitude < 0.6875) {
      point = 0;
      t = (2.0 * magnitude - 1) / (2.0 + magnitude);
    } else if (magnitude < 1.1875) {
      point = 1;
      t = (magnitude - 1) / (magnitude + 1);
    } else if (magnitude < 2.4375) {
      point = 2;
      t = (magnitude - 1.5) / (1 + 1.5 * magnitude);
    } else {
      point = 3;
      t = -1.0 / magnitude;
    }
  }
  const double z = t * t;
  const double w = z * z;
  const double odd =
      z * (kA[0] + w * (kA[2] + w * (kA[4] + w * (kA[6] + w * (kA[8] + w * kA[10])))));
  const double even = w * (kA[1] + w * (kA[3] + w * (kA[5] + w * (kA[7] + w * kA[9]))));
  if (point < 0) return t - t * (odd + even);
  const double result = kAtanHead[point] - ((t * (odd + even) - kAtanTail[point]) - t);
  return std::copysign(result, x);
}

double Sine(double x) {
  if (!std::isfinite(x)) return kNotANumber;
  const Reduced reduced = Reduce(x);
  return SineWithQuarters(reduced.head, reduced.tail, reduced.quarter);
}

double Cosine(double x) {
  if (!std::isfinite(x)) return kNotANumber;
  const Reduced reduced = Reduce(x);
  // cos t = sin(t + π/2): one quarter turn more.
  return SineWithQuarters(reduced.head, reduced.tail, reduced.quarter + 1);
}

double Tangent(double x) {
  if (!std::isfinite(x)) return kNotANumber;
  const Reduced reduced = Reduce(x);
  return TangentKernel(reduced.head, reduced.tail, reduced.quarter % 2 == 1);
}

}  // namespace tl::engine
