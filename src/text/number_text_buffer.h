#pragma once
// The number text of a value held without allocation, together with the value
// that text reads back as. The engine leaves one of these behind after every
// operation, so it is built to be cheap: exact integer arithmetic for the
// usual magnitudes, the general rule for the rest.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tl::text {

class NumberTextBuffer {
 public:
  // Every number text fits: "-1.234567890123e-308" is 20 bytes.
  static constexpr std::size_t kCapacity = 24;

  NumberTextBuffer() = default;  // an empty text of value 0
  explicit NumberTextBuffer(double value);

  // Exactly NumberToText(value).
  std::string_view View() const { return {bytes_, size_}; }
  // Exactly TextToNumber(View()): the value cut to 13 significant digits.
  double Value() const { return value_; }

 private:
  void Write(bool negative, std::uint64_t digits, int exponent);
  void Copy(std::string_view text);

  char bytes_[kCapacity];
  std::size_t size_ = 0;
  double value_ = 0;
};

}  // namespace tl::text
