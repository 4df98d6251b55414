#include "text/number_text_buffer.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
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

// 10^0 … 10^22, each exact in a double.
constexpr std::array<double, 23> kExactPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

constexpr std::array<char, 200> TwoDigits() {
  std::array<char, 200> table{};
  for (std::size_t k = 0; k < 100; ++k) {
    table[2 * k] = static_cast<char>('0' + k / 10);
    table[2 * k + 1] = static_cast<char>('0' + k % 10);
  }
  return table;
}
constexpr std::array<char, 200> kTwoDigitTable = TwoDigits();
const char* const kTwoDigits = kTwoDigitTable.data();

struct Digits13 {
  std::uint64_t digits;  // 10^12 ≤ digits < 10^13
  int exponent;          // the decimal exponent of the first digit
};

// |value| rounded to 13 significant digits (ties to even, as the general rule
// rounds), computed exactly as m × 5^s × 2^(q+s) for a = m × 2^q and
// s = 12 − exponent; none outside the magnitudes where that fits 128 bits.
std::optional<Digits13> RoundTo13Digits(double a) {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(a);
  const int biased = static_cast<int>(bits >> 52 & 0x7FF);
  if (biased == 0 || biased == 0x7FF) return std::nullopt;  // subnormal, infinite
  const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | std::uint64_t{1} << 52;
  const int q = biased - 1075;
  // floor(log10(2^k)) for a in [2^k, 2^(k+1)); the true exponent is this or one more.
  int exponent = ((biased - 1023) * 78913) >> 18;
  for (int attempt = 0; attempt < 4; ++attempt) {
    const int s = 12 - exponent;
    const int shift = -(q + s);
    if (s < 0 || s >= static_cast<int>(kPowersOfFive.size()) || shift < 0 || shift >= 128)
      return std::nullopt;
    const Wide product = Wide{m} * kPowersOfFive[static_cast<std::size_t>(s)];
    Wide rounded = product >> shift;
    if (shift > 0) {
      const Wide rest = product - (rounded << shift);
      const Wide half = Wide{1} << (shift - 1);
      if (rest > half || (rest == half && (rounded & 1) != 0)) ++rounded;
    }
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

}  // namespace

NumberTextBuffer::NumberTextBuffer(double value) {
  const std::optional<Digits13> rounded = RoundTo13Digits(std::fabs(value));
  if (!rounded) {
    Copy(NumberToText(value));
    value_ = TextToNumber(View());
    return;
  }
  Write(value < 0, rounded->digits, rounded->exponent);
  // digits × 10^(exponent − 12), correctly rounded by one exact operation.
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
  size_ = text.copy(bytes_, kCapacity);
}

// The general rule's layout of 13 digits with the given decimal exponent.
void NumberTextBuffer::Write(bool negative, std::uint64_t digits, int exponent) {
  // Two independent halves, two digits at a time: the divisions do not chain.
  char figures[13];
  std::uint64_t high = digits / 10000000;  // 6 digits
  std::uint64_t low = digits % 10000000;   // 7 digits
  figures[12] = static_cast<char>('0' + low % 10);
  low /= 10;
  for (int k = 10; k >= 6; k -= 2, low /= 100)
    std::memcpy(figures + k, kTwoDigits + low % 100 * 2, 2);
  for (int k = 4; k >= 0; k -= 2, high /= 100)
    std::memcpy(figures + k, kTwoDigits + high % 100 * 2, 2);
  int count = 13;
  while (count > 1 && figures[count - 1] == '0') --count;

  char* out = bytes_;
  if (negative) *out++ = '-';
  if (exponent < -4 || exponent >= 13) {
    *out++ = figures[0];
    if (count > 1) {
      *out++ = '.';
      for (int k = 1; k < count; ++k) *out++ = figures[k];
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
    for (int k = -1; k > exponent; --k) *out++ = '0';
    for (int k = 0; k < count; ++k) *out++ = figures[k];
  } else {
    const int whole = exponent + 1;
    for (int k = 0; k < whole; ++k) *out++ = k < count ? figures[k] : '0';
    if (count > whole) {
      *out++ = '.';
      for (int k = whole; k < count; ++k) *out++ = figures[k];
    }
  }
  size_ = static_cast<std::size_t>(out - bytes_);
}

}  // namespace tl::text
