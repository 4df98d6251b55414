// What the stages after the tokeniser ask of a token, answered once.
#include <array>

#include "engine/function_table.h"
#include "engine/token_kinds.h"
#include "engine/tokenise.h"

namespace tl::engine {

namespace {

// The one-character tokens after which a "+" or "-" is a sign rather than an
// operator.
constexpr std::array<bool, 256> kOpensOperand = [] {
  std::array<bool, 256> opens{};
  for (const char c : std::string_view("*,@^-+|(\\")) opens[static_cast<unsigned char>(c)] = true;
  return opens;
}();

Role RoleOf(std::string_view token, const Function* function) {
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
  if (IsNumberToken(token)) return Role::Number;  // a signed number
  return Role::Ignored;
}

// Tokens after which a "+" or "-" is a sign: those above and function names.
bool OpensOperand(std::string_view token) {
  if (token.empty()) return false;
  if (token.size() == 1 && kOpensOperand[static_cast<unsigned char>(token[0])]) return true;
  return IsLetter(token.back());
}

bool StartsOperand(std::string_view token) {
  return token == "(" || (!token.empty() && IsDigit(token.front()));
}

}  // namespace

Token Classified(std::string_view text, const Function* function) {
  const Role role = RoleOf(text, function);
  const bool number = role == Role::Number;
  return {.text = text,
          .function = function,
          .role = role,
          .opensOperand = OpensOperand(text),
          .startsOperand = StartsOperand(text),
          .point = number && Contains(text, '.'),
          .bar = number && Contains(text, '/')};
}

Token EndToken() {
  return {.text = kEndMarker, .role = Role::End};
}

}  // namespace tl::engine
