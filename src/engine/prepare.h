#pragma once
// Preparation of a picked expression text, before any checking.
#include <string>
#include <string_view>

namespace tl::engine {

// Deletes every ASCII and ideographic space, lower-cases ASCII letters (never a
// second byte), appends one space as end marker, then folds the full-width
// forms of GBK row A3 to ASCII, the ideographic space to a space, "～" to "~"
// and "☆"/"★" to "*". Returns " " when nothing is left to evaluate.
std::string PrepareExpression(std::string_view exprText);

// The single byte the two-byte character lead + trail folds to, or 0 when it
// is kept as is (the ideographic space is deleted, not folded).
char FoldedByte(char lead, char trail);

}  // namespace tl::engine
