#pragma once
// The tokeniser with its syntax checks, and the sign pass.
#include <string>
#include <string_view>
#include <vector>

#include "engine/diagnostic.h"

namespace tl::engine {

struct Function;

// A token's text: a number as typed (fraction bars "/" included), a
// constant's number text, a one-character operator, a lower-case function
// name, or " " as end marker. The text is a view of the normalised text it
// was read from (which must outlive it) or of a constant text: no token is
// copied.
//
// A token also carries what the stages after the tokeniser ask of it, found
// once when it is made (token_class.h): its role, whether a "+" or "-" after it
// is a sign, whether it can begin an operand, and what a number holds; a
// typed number also carries its value, read while its digits were walked.
enum class Role : unsigned char {
  End,             // " "
  Function,        // a function that waits for the operand after it: "~", "sin", "max"
  OpenBracket,     // "("
  Postfix,         // "!", "%", "‰"
  Number,          // typed, a constant's text, or signed ("-5")
  AddOrSubtract,   // "+", "-"
  Multiplicative,  // "*", "@", "\"
  PowerOrRoot,     // "^", "|"
  Comma,           // ","
  CloseBracket,    // ")"
  Ignored,         // anything else is dropped
};

// A new field must be copied in TokenWriter::Put as well.
struct Token {
  std::string_view text;
  const Function* function = nullptr;  // the function-table entry the text names
  Role role = Role::Ignored;
  bool opensOperand = false;   // a "+" or "-" after it is a sign
  bool startsOperand = false;  // "(" or a number that begins with a digit
  bool point = false;          // a number that holds "."
  bool bar = false;            // a number that holds the fraction bar "/"
  bool valued = false;         // a typed number whose value the tokeniser read
  double value = 0;            // that value, exactly text::ReadNumberText(text)
};
using Tokens = std::vector<Token>;

// Token texts of their own, for callers that hold texts.
using TokenList = std::vector<std::string>;

// Splits normalised text (Normalise's output) into tokens in text order,
// inserting "*" before a "(" that follows a number, ")", "e" or "pi", and
// resolving every function name, "|" as the square root, "!", "%" and "‰" to
// their function-table entries. Fails with the first syntax fault; an
// unrecognised character gives Diagnostic{msg::kUnrecognised, true}. The
// tokens are written into `reuse`, whose storage is kept (after a fault too).
StepResult<Tokens> ReadTokens(std::string_view normText, Tokens&& reuse = {});

// ReadTokens' tokens as texts of their own.
StepResult<TokenList> Tokenise(std::string_view normText);

// Texts as tokens, each resolved to the function-table entry of that name as
// the tokeniser would; the tokens view `texts`. And back.
Tokens TokensOf(const TokenList& texts);
TokenList TextsOf(const Tokens& tokens);

// Whether tokens[i] is a unary sign: a "+" or "-" after a token that opens an
// operand (`afterOpening`, true for the first token) and before one that
// starts an operand.
inline bool IsSign(const Tokens& tokens, std::size_t i, bool afterOpening) {
  return tokens[i].role == Role::AddOrSubtract && afterOpening && i + 1 < tokens.size() &&
         tokens[i + 1].startsOperand;
}
// The token a "-" that is a sign becomes: "~".
const Token& SignMinusToken();

// Marks unary signs: a "-" that is a sign becomes "~", a "+" that is a sign is
// dropped; every other token is kept. The rvalue form reuses the list.
Tokens MarkSigns(Tokens&& tokens);
TokenList MarkSigns(const TokenList& tokens);

}  // namespace tl::engine
