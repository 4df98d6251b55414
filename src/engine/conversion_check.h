#pragma once
// Inspection of a shown result before the fraction conversion rewrites it;
// CheckShownResult (engine.h) prepares the text and asks this.
#include <cstddef>
#include <string_view>

#include "engine/diagnostic.h"
#include "engine/engine.h"

namespace tl::engine {

struct ShownResult {
  FractionForm detected;  // the form to write next
  std::size_t length;     // bytes of the shown result (end marker excluded)
};

// `prepared` is PrepareExpression's output for the text after the last "=".
// Only digits, ".", ",", ";", " ", "-" and "∟" may appear (else
// msg::kComputeFirst). One "∟"-separated part (a decimal) asks for Fraction,
// two (a fraction) for Mixed, three (a mixed number) for Decimal; more fail
// with msg::kFractionFormat.
StepResult<ShownResult> InspectShownResult(std::string_view prepared);

}  // namespace tl::engine
