#include "engine/function_table.h"
#include "engine/token_class.h"
#include "engine/tokenise.h"

namespace tl::engine {

namespace {

constexpr const Function* kSignMinus = FunctionNamed("~");
// Made at start-up: a sanitized build cannot test a table pointer in a
// constant expression.
const Token kSignToken = Classified(kSignMinus->name, kSignMinus);

}  // namespace

const Token& SignMinusToken() {
  return kSignToken;
}

// Compacts in place: `kept` never passes i, and whether token i - 1 opens an
// operand is taken before that token is moved.
Tokens MarkSigns(Tokens&& tokens) {
  const std::size_t count = tokens.size();
  std::size_t kept = 0;
  bool afterOpening = true;  // the first token counts as following an opening
  for (std::size_t i = 0; i < count; ++i) {
    Token& token = tokens[i];
    const bool isSign = IsSign(tokens, i, afterOpening);
    afterOpening = token.opensOperand;
    if (isSign && token.text == "+") continue;
    if (isSign) token = kSignToken;
    if (kept != i) tokens[kept] = token;
    ++kept;
  }
  tokens.resize(kept);
  return std::move(tokens);
}

TokenList MarkSigns(const TokenList& tokens) {
  return TextsOf(MarkSigns(TokensOf(tokens)));
}

}  // namespace tl::engine
