#pragma once
// Normalisation of a prepared expression into the internal alphabet, with the
// bracket checks done in the same scan.
#include <string>
#include <string_view>

#include "engine/diagnostic.h"
#include "engine/engine.h"

namespace tl::engine {

// `prepared` is PrepareExpression's output. Maps "×" "÷" "√" "∟" to "*" "@" "|"
// "/", keeps "‰", writes "π" as "pi" (or "*pi" after a number or ")"), drops
// every other two-byte character, maps all brackets to "(" ")", "/" to "@",
// applies the thousands-separator options to "," and ";", and inserts "*"
// between a number and a following letter other than b, m, d, s. Fails with the
// first bracket mismatch or the first pair of number characters that only
// dropped text holding a two-byte character separates ("1笔1.5",
// msg::kMissingOperator), whichever comes first, else with the first missing
// closing bracket kind (round, square, curly).
StepResult<std::string> Normalise(std::string_view prepared, const Options& options);

// Whether the normaliser drops the two-byte character lead + trail of a
// picked expression text: a label ("押金", "°"), not a space, not one of the
// full-width forms preparation folds and not one of the symbols kept above.
bool IsLabelCharacter(char lead, char trail);

}  // namespace tl::engine
