#pragma once
// The tokeniser with its syntax checks, and the sign pass.
#include <string>
#include <string_view>
#include <vector>

#include "engine/diagnostic.h"

namespace tl::engine {

// Token texts: numbers as typed (fraction bars "/" included), constants as
// their number texts, one-character operators, lower-case function names, and
// a final " " as end marker.
using TokenList = std::vector<std::string>;

// The same tokens as views, each of the normalised text it was read from
// (which must outlive it) or of a constant text. The evaluation works on
// these: no token is copied.
using TokenViews = std::vector<std::string_view>;

// Splits normalised text (Normalise's output) into tokens in text order,
// inserting "*" before a "(" that follows a number, ")", "e" or "pi". Fails
// with the first syntax fault; an unrecognised character gives
// Diagnostic{msg::kUnrecognised, true}.
StepResult<TokenViews> ReadTokens(std::string_view normText);

// ReadTokens' tokens as texts of their own.
StepResult<TokenList> Tokenise(std::string_view normText);

// Marks unary signs: a "-" that is a sign becomes "~", a "+" that is a sign is
// dropped; every other token is kept. The rvalue forms reuse the list.
TokenList MarkSigns(const TokenList& tokens);
TokenList MarkSigns(TokenList&& tokens);
TokenViews MarkSigns(TokenViews&& tokens);

}  // namespace tl::engine
