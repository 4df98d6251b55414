#pragma once
// The result text: how the single value of an evaluation is written.
#include <string>
#include <string_view>

#include "engine/engine.h"

namespace tl::engine {

// Half-up rounding of v to d decimals (d below 0 rounds to tens, hundreds,
// …), away from zero, after a nudge of 1e-12 in units of the last kept
// decimal, so a value stored a hair below a half still rounds up (2.345 to
// 2.35). A value that rounds to zero is 0, never -0. d is taken within ±330,
// beyond which no double changes.
double RoundToDecimals(double v, int d);

// The result text for `value`, the value of the number text an evaluation
// left, and the result kind of that evaluation:
// - an exponent form is written with "×10^" (1.5×10^020, 2.5×10^-005) and
//   nothing else;
// - with fraction output asked for and allowed, an improper fraction (7∟4) or
//   a mixed number (1∟3∟4, never for a value below 1), when a short enough one
//   is found;
// - otherwise the decimal output: rounded to options.precision decimals,
//   padded with zeros unless trailing zeros are dropped, grouped by thousands
//   with the thousands separator.
std::string FormatResult(double value, ResultKind resultKind, const Options& options);

}  // namespace tl::engine
