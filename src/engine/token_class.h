#pragma once
// What the stages after the tokeniser ask of a token, answered once when the
// token is made.
#include <array>
#include <string_view>

#include "engine/function_table.h"
#include "engine/token_kinds.h"
#include "engine/tokenise.h"

namespace tl::engine {

namespace token_class {

constexpr Role RoleOf(std::string_view token, const Function* function) {
  if (token.empty()) return Role::Ignored;
  if (IsDigit(token[0]) || token[0] == '.') return Role::Number;
  if (function) return function->kind == FunctionKind::Postfix ? Role::Postfix : Role::Function;
  if (token.size() == 1) {
    switch (token[0]) {
      case ' ':
        return Role::End;
      case '(':
        return Role::OpenBracket;
      case '+':
      case '-':
        return Role::AddOrSubtract;
      case '*':
      case '@':
      case '\\':
        return Role::Multiplicative;
      case '^':
      case '|':
        return Role::PowerOrRoot;
      case ',':
        return Role::Comma;
      case ')':
        return Role::CloseBracket;
      default:
        break;
    }
  }
  // A signed number.
  if ((token[0] == '+' || token[0] == '-') && token.size() > 1) return Role::Number;
  return Role::Ignored;
}

// Tokens after which a "+" or "-" is a sign rather than an operator: these
// one-character ones and function names.
constexpr bool OpensOperand(std::string_view token) {
  if (token.empty()) return false;
  if (token.size() == 1 && std::string_view("*,@^-+|(\\").find(token[0]) != std::string_view::npos)
    return true;
  return IsLetter(token.back());
}

constexpr bool StartsOperand(std::string_view token) {
  return token == "(" || (!token.empty() && IsDigit(token.front()));
}

constexpr bool Holds(std::string_view token, char c) {
  return token.find(c) != std::string_view::npos;
}

}  // namespace token_class

// The token of `text`, resolved to `function`, with all it carries.
constexpr Token Classified(std::string_view text, const Function* function = nullptr) {
  using namespace token_class;
  const Role role = RoleOf(text, function);
  const bool number = role == Role::Number;
  return {.text = text,
          .function = function,
          .role = role,
          .opensOperand = OpensOperand(text),
          .startsOperand = StartsOperand(text),
          .point = number && Holds(text, '.'),
          .bar = number && Holds(text, '/')};
}

// The end marker's token, made when the program is built.
inline constexpr Token kEndToken = Classified(kEndMarker);

// Classified for a token of one byte, from a table: the text must be one
// byte long and not a digit or "." (numbers are made where they are read).
class ByteTokens {
 public:
  constexpr ByteTokens() {
    for (std::size_t c = 0; c < kBytes; ++c) {
      const char byte = static_cast<char>(c);
      tokens_[c] = Classified(std::string_view(&byte, 1));
      tokens_[c].text = {};
    }
  }
  constexpr Token Of(std::string_view text, const Function* function) const {
    Token token = tokens_[static_cast<unsigned char>(text[0])];
    token.text = text;
    if (function) {
      token.function = function;
      token.role = function->kind == FunctionKind::Postfix ? Role::Postfix : Role::Function;
    }
    return token;
  }

 private:
  static constexpr std::size_t kBytes = 256;
  std::array<Token, kBytes> tokens_{};
};

inline constexpr ByteTokens kByteTokens;

}  // namespace tl::engine
