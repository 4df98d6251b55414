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

}  // namespace

TokenList MarkSigns(const TokenList& tokens) {
  TokenList signedTokens;
  signedTokens.reserve(tokens.size());
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    const std::string& token = tokens[i];
    const bool isSign =
        (token == "-" || token == "+") && i + 1 < tokens.size() &&
        (tokens[i + 1] == "(" || (!tokens[i + 1].empty() && IsDigit(tokens[i + 1].front()))) &&
        (i == 0 || OpensOperand(tokens[i - 1]));
    if (!isSign) {
      signedTokens.push_back(token);
    } else if (token == "-") {
      signedTokens.emplace_back("~");
    }
  }
  return signedTokens;
}

}  // namespace tl::engine
