#include <array>

#include "engine/alphabet.h"
#include "engine/function_table.h"
#include "engine/tokenise.h"

namespace tl::engine {

namespace {

constexpr const Function* kSignMinus = FunctionNamed("~");

// The one-character tokens after which a "+" or "-" is a sign rather than an
// operator, as a table: one look-up instead of a branch for each.
constexpr std::array<bool, 256> kOpensOperand = [] {
  std::array<bool, 256> opens{};
  for (const char c : std::string_view("*,@^-+|(\\")) opens[static_cast<unsigned char>(c)] = true;
  return opens;
}();

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

// Compacts in place: `kept` never passes i, and whether token i - 1 opens an
// operand is taken before that token is moved.
Tokens MarkSigns(Tokens&& tokens) {
  const std::size_t count = tokens.size();
  std::size_t kept = 0;
  bool afterOpening = true;  // the first token counts as following an opening
  for (std::size_t i = 0; i < count; ++i) {
    Token& token = tokens[i];
    const bool opens = OpensOperand(token.text);
    const bool isSign = (token.text == "-" || token.text == "+") && afterOpening && i + 1 < count &&
                        StartsOperand(tokens[i + 1].text);
    afterOpening = opens;
    if (isSign && token.text == "+") continue;
    if (isSign) token = {kSignMinus->name, kSignMinus};
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
