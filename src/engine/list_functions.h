#pragma once
// The several-argument functions: "log", "max", "min", "sum", "if" and the
// summary statistics "tjfx". Their arguments arrive as the number texts that
// the commas of the expression joined into one operand; these functions see
// the values those texts read as (at least one). The function table names
// them and turns a value that is not finite into the function's message.
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace tl::engine {

// A value or, for "if", the argument whose own text is the result, passed on
// unchanged; or the message of a check made before either exists.
struct ListAnswer {
  double value = 0;
  std::optional<std::size_t> chosenArgument = {};
  std::string_view failure = {};
};

namespace list {

using Arguments = std::span<const double>;

ListAnswer Log(Arguments arguments);  // log(b, x): the logarithm of x to the base b
ListAnswer Max(Arguments arguments);
ListAnswer Min(Arguments arguments);
ListAnswer Sum(Arguments arguments);
ListAnswer If(Arguments arguments);    // if(k, x1, …, xm): x with index trunc(k)
ListAnswer Tjfx(Arguments arguments);  // tjfx(d, x1, …): the measure d of the values

}  // namespace list

}  // namespace tl::engine
