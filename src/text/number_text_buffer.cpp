#include "text/number_text_buffer.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "text/number_text.h"

namespace tl::text {

namespace {

using Wide = unsigned __int128;

constexpr std::uint64_t kLowest13 = 1000000000000;   // 10^12
constexpr std::uint64_t kBeyond13 = 10000000000000;  // 10^13

constexpr std::array<std::uint64_t, 28> PowersOfFive() {
  std::array<std::uint64_t, 28> powers{};
  powers[0] = 1;
  for (std::size_t k = 1; k < powers.size(); ++k) powers[k] = powers[k - 1] * 5;
  return powers;
}
constexpr std::array<std::uint64_t, 28> kPowersOfFive = PowersOfFive();

constexpr std::array<char, 200> TwoDigits() {
  std::array<char, 200> table{};
  for (std::size_t k = 0; k < 100; ++k) {
    table[2 * k] = static_cast<char>('0' + k / 10);
    table[2 * k + 1] = static_cast<char>('0' + k % 10);
  }
  return table;
}
constexpr std::array<char, 200> kTwoDigits = TwoDigits();

void WritePair(std::uint32_t pair, char* out) {
  out[0] = kTwoDigits[2 * pair];
  out[1] = kTwoDigits[2 * pair + 1];
}

// The 13 digits of 10^12 ≤ digits < 10^13, most significant first. The
// divisions are split so that few of them wait on one another.
void WriteThirteenDigits(std::uint64_t digits, char* out) {
  const auto high = static_cast<std::uint32_t>(digits / 10000000);  // 6 digits
  const auto low = static_cast<std::uint32_t>(digits % 10000000);   // 7 digits
  const std::uint32_t high4 = high % 10000;
  WritePair(high / 10000, out);
  WritePair(high4 / 100, out + 2);
  WritePair(high4 % 100, out + 4);
  const std::uint32_t low5 = low % 100000;
  const std::uint32_t low3 = low5 % 1000;
  WritePair(low / 100000, out + 6);
  WritePair(low5 / 1000, out + 8);
  WritePair(low3 / 10, out + 10);
  out[12] = static_cast<char>('0' + low3 % 10);
}

struct Digits13 {
  std::uint64_t digits;  // 10^12 ≤ digits < 10^13
  int exponent;          // the decimal exponent of the first digit
};

// Digits13 with the value the digits stand for, unsigned.
struct RoundedValue {
  Digits13 rounded;
  double magnitude;
};

// The decimal exponent of a's first digit when a's binary exponent
// (`biased` − 1023) says it: floor(log10(2^k)) for a in [2^k, 2^(k+1)), or
// one more, which an exact power of ten tells at once. Elsewhere it may be
// one too low, and rounding may carry into a 14th digit.
int EstimateExponent(double a, int biased) {
  const int exponent = ((biased - 1023) * 78913) >> 18;
  const int next = exponent + 1;
  return next >= 0 && next < static_cast<int>(kExactPowersOfTen.size()) &&
                 a >= kExactPowersOfTen[static_cast<std::size_t>(next)]
             ? next
             : exponent;
}

// |value| rounded to 13 significant digits (ties to even, as the general rule
// rounds), computed exactly as m × 5^s × 2^(q+s) for a = m × 2^q and
// s = 12 − exponent; none outside the magnitudes where that fits 128 bits.
std::optional<Digits13> RoundTo13Digits(double a) {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(a);
  const int biased = static_cast<int>(bits >> 52 & 0x7FF);
  if (biased == 0 || biased == 0x7FF) return std::nullopt;  // subnormal, infinite
  const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | std::uint64_t{1} << 52;
  const int q = biased - 1075;
  // Where the estimate is off, the loop moves the exponent.
  int exponent = EstimateExponent(a, biased);
  for (int attempt = 0; attempt < 4; ++attempt) {
    const int s = 12 - exponent;
    const int shift = -(q + s);
    if (s < 0 || s >= static_cast<int>(kPowersOfFive.size()) || shift < 0 || shift >= 128)
      return std::nullopt;
    const Wide product = Wide{m} * kPowersOfFive[static_cast<std::size_t>(s)];
    // Half of the last place, less one, plus the last kept bit: past the
    // place exactly when the rest is above half, or half with an odd last bit.
    const Wide rounded =
        shift == 0 ? product
                   : (product + ((Wide{1} << (shift - 1)) - 1) + ((product >> shift) & 1)) >> shift;
    if (rounded >= kBeyond13) {
      ++exponent;
    } else if (rounded < kLowest13) {
      --exponent;
    } else {
      return Digits13{static_cast<std::uint64_t>(rounded), exponent};
    }
  }
  return std::nullopt;
}

// What RoundTo13Digits(a) gives, worked out by one double multiplication in
// the usual case: a normal a whose estimated exponent is right, with a
// 13-digit product a × 10^s below 2^45 that does not lie exactly halfway
// between two integers; none otherwise. Rounding to a double never moves a
// product across a halfway point, which below 2^45 is a double itself, so
// the rounded product rounds to the integer the exact one rounds to. (Where
// this settles it, the exact product always fits 128 bits.)
std::optional<RoundedValue> RoundTo13DigitsQuickly(double a) {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(a);
  const int biased = static_cast<int>(bits >> 52 & 0x7FF);
  if (biased == 0 || biased == 0x7FF) return std::nullopt;
  const int exponent = EstimateExponent(a, biased);
  const int s = 12 - exponent;
  if (s < 0 || s >= static_cast<int>(kExactPowersOfTen.size())) return std::nullopt;
  constexpr double kCeiling = 35184372088832.0;    // 2^45
  constexpr double kRounder = 4503599627370496.0;  // 2^52: adding it drops the fraction
  const double power = kExactPowersOfTen[static_cast<std::size_t>(s)];
  const double product = a * power;
  if (!(product < kCeiling)) return std::nullopt;
  // Ties to even; the difference is exact, a multiple of the product's last
  // place below one.
  const double whole = (product + kRounder) - kRounder;
  if (std::fabs(product - whole) == 0.5) return std::nullopt;
  // `whole` is an integer below 2^45, so it is its own digits exactly: the
  // value is one exact division away, without waiting for a conversion.
  if (whole < static_cast<double>(kLowest13) || whole >= static_cast<double>(kBeyond13))
    return std::nullopt;
  return RoundedValue{{static_cast<std::uint64_t>(static_cast<std::int64_t>(whole)), exponent},
                      whole / power};
}

}  // namespace

NumberTextBuffer::NumberTextBuffer(double value) {
  const std::optional<RoundedValue> quick = RoundTo13DigitsQuickly(std::fabs(value));
  if (!quick) {
    Round(value);
    return;
  }
  negative_ = value < 0;
  digits_ = quick->rounded.digits;
  exponent_ = quick->rounded.exponent;
  written_ = false;
  value_ = value < 0 ? -quick->magnitude : quick->magnitude;
}

void NumberTextBuffer::Round(double value) {
  const std::optional<Digits13> rounded = RoundTo13Digits(std::fabs(value));
  if (!rounded) {
    Copy(NumberToText(value));
    value_ = TextToNumber(View());
    return;
  }
  negative_ = value < 0;
  digits_ = rounded->digits;
  exponent_ = rounded->exponent;
  written_ = false;
  const int scale = 12 - rounded->exponent;
  if (scale < 0 || scale >= static_cast<int>(kExactPowersOfTen.size())) {
    value_ = TextToNumber(View());
  } else {
    const double magnitude =
        static_cast<double>(rounded->digits) / kExactPowersOfTen[static_cast<std::size_t>(scale)];
    value_ = value < 0 ? -magnitude : magnitude;
  }
}

void NumberTextBuffer::Copy(std::string_view text) {
  size_ = static_cast<std::uint8_t>(text.copy(bytes_, kCapacity));
}

// The general rule's layout of 13 digits with the given decimal exponent.
void NumberTextBuffer::Write() const {
  const int exponent = exponent_;
  char figures[13];
  WriteThirteenDigits(digits_, figures);
  int count = 13;
  while (count > 1 && figures[count - 1] == '0') --count;

  char* out = bytes_;
  if (negative_) *out++ = '-';
  if (exponent < -4 || exponent >= 13) {
    *out++ = figures[0];
    if (count > 1) {
      *out++ = '.';
      out = std::copy(figures + 1, figures + count, out);
    }
    *out++ = 'e';
    *out++ = exponent < 0 ? '-' : '+';
    const int magnitude = exponent < 0 ? -exponent : exponent;
    *out++ = static_cast<char>('0' + magnitude / 100);
    *out++ = static_cast<char>('0' + magnitude / 10 % 10);
    *out++ = static_cast<char>('0' + magnitude % 10);
  } else if (exponent < 0) {
    *out++ = '0';
    *out++ = '.';
    out = std::fill_n(out, -exponent - 1, '0');
    out = std::copy(figures, figures + count, out);
  } else {
    // Past `count` the figures are zeros, which the whole part keeps.
    const int whole = exponent + 1;
    out = std::copy(figures, figures + whole, out);
    if (count > whole) {
      *out++ = '.';
      out = std::copy(figures + whole, figures + count, out);
    }
  }
  size_ = static_cast<std::uint8_t>(out - bytes_);
  written_ = true;
}

double ReadNumberText(std::string_view text) {
  PlainDigits read;
  bool point = false;
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      read.Add(static_cast<unsigned>(c - '0'), point);
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return TextToNumber(text);
    }
  }
  if (const std::optional<double> value = read.Value()) return *value;
  return TextToNumber(text);
}

}  // namespace tl::text
