#pragma once
// How the evaluation stages tell a token's kind from its text.
#include <string_view>

#include "engine/alphabet.h"

namespace tl::engine {

inline constexpr std::string_view kEndMarker = " ";

// A number token: it begins with a digit or ".", or with a sign that is not
// the whole token.
inline bool IsNumberToken(std::string_view token) {
  if (token.empty()) return false;
  if (IsDigit(token[0]) || token[0] == '.') return true;
  return (token[0] == '+' || token[0] == '-') && token.size() > 1;
}

inline bool Contains(std::string_view token, char c) {
  for (const char t : token) {
    if (t == c) return true;
  }
  return false;
}

}  // namespace tl::engine
