#pragma once
// How the evaluation stages tell a token's kind from its text.
#include <string_view>

#include "engine/alphabet.h"

namespace tl::engine {

inline constexpr std::string_view kEndMarker = " ";
inline constexpr std::string_view kUnaryMinus = "~";

// A number token as the evaluation reads it: it begins with a digit, or with a
// sign that is not the whole token.
inline bool IsNumberToken(std::string_view token) {
  if (token.empty()) return false;
  if (IsDigit(token[0])) return true;
  return (token[0] == '+' || token[0] == '-') && token.size() > 1;
}

// The binary operators: "+", "-", "*", "@" (division), "\" (integer
// division), "^" (power) and "|" (root).
inline bool IsBinaryOperator(std::string_view token) {
  return token.size() == 1 && std::string_view("+-*@\\^|").find(token[0]) != std::string_view::npos;
}

// "!", "%" and "‰" act on the operand before them.
inline bool IsPostfixOperator(std::string_view token) {
  return token == "!" || token == "%" || token == kPerMille;
}

}  // namespace tl::engine
