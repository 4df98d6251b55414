#pragma once
// The several-argument functions: "log", "max", "min", "sum", "if" and the
// summary statistics "tjfx". Their arguments arrive as the number texts that
// the commas of the expression joined into one operand.
#include <span>
#include <string>
#include <string_view>

#include "engine/diagnostic.h"

namespace tl::engine {

struct ListFunction;

// The entry of `name` in the several-argument table, or null.
const ListFunction* FindListFunction(std::string_view name);

// The function's name as it appears in its messages.
std::string_view NameOf(const ListFunction& function);

// The result text for the argument texts (at least one), or the function's
// message. "if" gives the chosen argument's own text; the others give the
// number text of their result, which is always a finite number.
StepResult<std::string> ApplyFunction(const ListFunction& function,
                                      std::span<const std::string> arguments);

}  // namespace tl::engine
