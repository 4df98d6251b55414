#pragma once
// How each kind of configuration value is stored as text. Reading never
// fails: a text that does not fit reads as false or 0.
#include <cstdint>
#include <string>
#include <string_view>

namespace tl::settings {

inline constexpr std::string_view kTrueText = "真";
inline constexpr std::string_view kFalseText = "假";

// True only for exactly "真"; "1", "true" and "" are false.
inline bool ReadBoolean(std::string_view text) {
  return text == kTrueText;
}
inline std::string BooleanText(bool value) {
  return std::string(value ? kTrueText : kFalseText);
}

// The leading decimal number (as C's atof reads it) truncated toward zero:
// "12abc" is 12, "-3.9" is -3, "abc" and "" are 0. Values beyond the type's
// range are held at its nearest limit.
int ReadInteger(std::string_view text);
std::int64_t ReadCounter(std::string_view text);
// COLORREF 0x00BBGGRR as a non-negative decimal number.
std::uint32_t ReadColour(std::string_view text);

// Integers, the run counter and colours are written as plain decimal text.
std::string DecimalText(std::int64_t value);

}  // namespace tl::settings
