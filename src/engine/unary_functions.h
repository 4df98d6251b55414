#pragma once
// The one-argument set: the named functions (trigonometric in three angle
// modes, inverse trigonometric, square root, absolute value, exponential,
// integer part, logarithms, hyperbolic) and the operators "~", "!", "%", "‰".
#include <string_view>

#include "engine/diagnostic.h"
#include "engine/engine.h"

namespace tl::engine {

struct OneArgumentFunction;

// The entry of `name` in the one-argument table, or null.
const OneArgumentFunction* FindOneArgumentFunction(std::string_view name);

// The function's name as it appears in its messages.
std::string_view NameOf(const OneArgumentFunction& function);

// The result for argument x, or the function's message. A result that is not
// a finite number is always a failure.
StepResult<double> ApplyFunction(const OneArgumentFunction& function, double x,
                                 AngleMode angleMode);

}  // namespace tl::engine
