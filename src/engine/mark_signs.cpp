#include "engine/alphabet.h"
#include "engine/tokenise.h"

namespace tl::engine {

namespace {

constexpr std::string_view kSignMinus = "~";

// Tokens after which a "+" or "-" is a sign rather than an operator.
bool OpensOperand(std::string_view token) {
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

bool StartsOperand(std::string_view token) {
  return token == "(" || (!token.empty() && IsDigit(token.front()));
}

// Compacts in place: `kept` never passes i, and whether token i - 1 opens an
// operand is taken before that token is moved.
template <class Token>
void MarkSignsIn(std::vector<Token>& tokens) {
  std::size_t kept = 0;
  bool afterOpening = true;  // the first token counts as following an opening
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    Token& token = tokens[i];
    const bool opens = OpensOperand(token);
    const bool isSign = (token == "-" || token == "+") && afterOpening && i + 1 < tokens.size() &&
                        StartsOperand(tokens[i + 1]);
    afterOpening = opens;
    if (isSign && token == "+") continue;
    if (isSign) token = kSignMinus;
    if (kept != i) tokens[kept] = std::move(token);
    ++kept;
  }
  tokens.resize(kept);
}

}  // namespace

TokenList MarkSigns(TokenList&& tokens) {
  MarkSignsIn(tokens);
  return std::move(tokens);
}

TokenList MarkSigns(const TokenList& tokens) {
  return MarkSigns(TokenList(tokens));
}

TokenViews MarkSigns(TokenViews&& tokens) {
  MarkSignsIn(tokens);
  return std::move(tokens);
}

}  // namespace tl::engine
