#pragma once
// The number text of a value held without allocation, together with the value
// that text reads back as; and the reading of a short number text. The engine leaves one of these
// behind after every operation, so it is built to be cheap: exact integer arithmetic for the usual
// magnitudes, the general rule for the rest. The characters themselves are written the first time
// they are looked at: most operands are only ever read as values.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tl::text {

class NumberTextBuffer {
 public:
  // Every number text fits: "-1.234567890123e-308" is 20 bytes.
  static constexpr std::size_t kCapacity = 24;

  NumberTextBuffer() = default;  // an empty text of value 0
  explicit NumberTextBuffer(double value);

  // Exactly NumberToText(value).
  std::string_view View() const {
    if (!written_) Write();
    return {bytes_, size_};
  }
  // Exactly TextToNumber(View()): the value cut to 13 significant digits.
  double Value() const { return value_; }

 private:
  // The constructor's work for the values its quick rounding leaves.
  void Round(double value);
  void Write() const;
  void Copy(std::string_view text);

  double value_ = 0;
  // The text's content until it is written: 13 digits (10^12 ≤ digits_ <
  // 10^13) and the decimal exponent of the first one.
  std::uint64_t digits_ = 0;
  int exponent_ = 0;
  bool negative_ = false;
  mutable bool written_ = true;
  mutable std::uint8_t size_ = 0;
  mutable char bytes_[kCapacity];
};

// Exactly TextToNumber(text), read faster when the text is a short plain
// number (at most 15 digits and one ".", nothing else), as typed numbers are.
double ReadNumberText(std::string_view text);

// 10^0 … 10^22, each exact in a double.
inline constexpr std::array<double, 23> kExactPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// A plain number's digits as they are read, for a reader that walks the text
// anyway: the digits as one integer, how many there are, and how many of them
// follow the point.
struct PlainDigits {
  std::uint64_t digits = 0;
  std::size_t count = 0;
  std::size_t decimals = 0;

  void Add(unsigned digit, bool afterPoint) {
    digits = digits * 10 + digit;
    ++count;
    decimals += afterPoint ? 1 : 0;
  }
  // What ReadNumberText gives for the text read, when it holds 1 to 15 digits
  // (below 2^53, exact in a double) and at most one ".": one division of two
  // exact values, correctly rounded as the general rule. None for the rest.
  std::optional<double> Value() const {
    constexpr std::size_t kMostDigits = 15;
    if (count == 0 || count > kMostDigits) return std::nullopt;
    return static_cast<double>(digits) / kExactPowersOfTen[decimals];
  }
};

}  // namespace tl::text
