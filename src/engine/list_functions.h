#pragma once
// The several-argument functions: "log", "max", "min", "sum", "if" and the
// summary statistics "tjfx". Their arguments arrive as the number texts that
// the commas of the expression joined into one operand; these functions see
// the values those texts read as.
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "engine/diagnostic.h"

namespace tl::engine {

struct ListFunction;

// The entry of `name` in the several-argument table, or null.
const ListFunction* FindListFunction(std::string_view name);

// The function's name as it appears in its messages.
std::string_view NameOf(const ListFunction& function);

// A computed value (always a finite number), or, for "if", the argument whose
// own text is the result, passed on unchanged.
struct ListAnswer {
  double value = 0;
  std::optional<std::size_t> chosenArgument;
};

// The answer for the arguments (at least one), or the function's message.
StepResult<ListAnswer> ApplyFunction(const ListFunction& function,
                                     std::span<const double> arguments);

}  // namespace tl::engine
