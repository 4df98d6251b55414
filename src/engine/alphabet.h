#pragma once
// Character classes and the two-byte symbols of the engine's input alphabet.
// Callers only ever ask about a character start, never a second byte.
#include <string_view>

namespace tl::engine {

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
constexpr bool IsLetter(char c) {
  return c >= 'a' && c <= 'z';
}
// Digits, "." and the fraction bar "/" make up a number.
constexpr bool IsNumberChar(char c) {
  return IsDigit(c) || c == '.' || c == '/';
}

// A two-byte character as one code: lead byte high, second byte low.
constexpr unsigned PairCode(char lead, char trail) {
  return static_cast<unsigned char>(lead) << 8 | static_cast<unsigned char>(trail);
}
constexpr unsigned PairCode(std::string_view symbol) {
  return PairCode(symbol[0], symbol[1]);
}

inline constexpr std::string_view kTimesSign = "×";
inline constexpr std::string_view kDivisionSign = "÷";
inline constexpr std::string_view kRootSign = "√";
inline constexpr std::string_view kFractionBar = "∟";  // A8 4E: the second byte is "N"
inline constexpr std::string_view kPerMille = "‰";
inline constexpr std::string_view kPi = "π";

}  // namespace tl::engine
