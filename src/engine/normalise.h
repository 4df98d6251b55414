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
// first bracket mismatch, else with the first missing closing bracket kind
// (round, square, curly).
StepResult<std::string> Normalise(std::string_view prepared, const Options& options);

}  // namespace tl::engine
