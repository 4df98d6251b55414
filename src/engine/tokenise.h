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

// Splits normalised text (Normalise's output) into tokens in text order,
// inserting "*" before a "(" that follows a number, ")", "e" or "pi". Fails
// with the first syntax fault; an unrecognised character gives
// Diagnostic{msg::kUnrecognised, true}.
StepResult<TokenList> Tokenise(std::string_view normText);

// Marks unary signs: a "-" that is a sign becomes "~", a "+" that is a sign is
// dropped; every other token is copied. The rvalue form reuses the list.
TokenList MarkSigns(const TokenList& tokens);
TokenList MarkSigns(TokenList&& tokens);

}  // namespace tl::engine
