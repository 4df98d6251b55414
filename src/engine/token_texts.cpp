// Tokens and texts of their own, for callers that hold token texts.
#include "engine/function_table.h"
#include "engine/token_class.h"
#include "engine/tokenise.h"

namespace tl::engine {

StepResult<TokenList> Tokenise(std::string_view normText) {
  StepResult<Tokens> tokens = ReadTokens(normText);
  if (auto* failure = std::get_if<Diagnostic>(&tokens)) return std::move(*failure);
  return TextsOf(std::get<Tokens>(tokens));
}

Tokens TokensOf(const TokenList& texts) {
  Tokens tokens;
  tokens.reserve(texts.size());
  for (const std::string& text : texts) tokens.push_back(Classified(text, FunctionNamed(text)));
  return tokens;
}

TokenList TextsOf(const Tokens& tokens) {
  TokenList texts;
  texts.reserve(tokens.size());
  for (const Token& token : tokens) texts.emplace_back(token.text);
  return texts;
}

}  // namespace tl::engine
