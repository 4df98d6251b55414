#pragma once
// Conversion of the signed token list from infix to postfix order.
#include <string_view>
#include <vector>

#include "engine/diagnostic.h"
#include "engine/tokenise.h"

namespace tl::engine {

// Postfix order: the signed tokens, whose texts must outlive it.
using PostfixList = Tokens;

// Binding, strongest first: prefix functions and "~" (bound to the next number
// or bracketed group), the postfix "!", "%", "‰", then "^" and "|", then "*",
// "@", "\", then "+" and "-", then ",". Every binary operator is
// left-associative (2^3^2 is 64, -2^2 is 4). Reads up to the end marker " "
// and ends the list with it. A number may begin with "." (.5 reads as 0.5); a
// number that begins with the fraction bar, or any other unknown token, is
// dropped. Fails with msg::kCommaPosition for a "," that has no "(" below it.
// The list is reused, and so is `stack`, the operators waiting.
StepResult<PostfixList> ToPostfix(Tokens&& signedTokens, Tokens& stack);
StepResult<PostfixList> ToPostfix(Tokens&& signedTokens);
// MarkSigns and then ToPostfix, in one pass over the tokens as ReadTokens
// gives them.
StepResult<PostfixList> SignedPostfix(Tokens&& tokens, Tokens& stack);
// The same for texts, resolved as TokensOf does; the list views them.
StepResult<PostfixList> ToPostfix(const TokenList& signedTokens);

}  // namespace tl::engine
