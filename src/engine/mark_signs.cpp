#include "engine/alphabet.h"
#include "engine/tokenise.h"

namespace tl::engine {

namespace {

// Tokens after which a "+" or "-" is a sign rather than an operator.
bool OpensOperand(const std::string& token) {
  if (token.size() == 1) {
    switch (token[0]) {
      case '*':
      case ',':
      case '@':
      case '^':
      case '-':
      case '+':
      case '|':
      case '(':
      case '\\':
        return true;
      default:
        break;
    }
  }
  return !token.empty() && IsLetter(token.back());  // a function name
}

bool StartsOperand(const std::string& token) {
  return token == "(" || (!token.empty() && IsDigit(token.front()));
}

}  // namespace

TokenList MarkSigns(TokenList&& tokens) {
  // Compacts in place: `kept` never passes i, and whether token i - 1 opens an
  // operand is taken before that token is moved.
  std::size_t kept = 0;
  bool afterOpening = true;  // the first token counts as following an opening
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    std::string& token = tokens[i];
    const bool opens = OpensOperand(token);
    const bool isSign = (token == "-" || token == "+") && afterOpening && i + 1 < tokens.size() &&
                        StartsOperand(tokens[i + 1]);
    afterOpening = opens;
    if (isSign && token == "+") continue;
    if (isSign) token[0] = '~';  // the one-character "-"
    if (kept != i) tokens[kept] = std::move(token);
    ++kept;
  }
  tokens.resize(kept);
  return std::move(tokens);
}

TokenList MarkSigns(const TokenList& tokens) {
  return MarkSigns(TokenList(tokens));
}

}  // namespace tl::engine
