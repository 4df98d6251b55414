#include "engine/list_functions.h"

#include <array>
#include <cmath>
#include <string>

#include "engine/exponential.h"
#include "engine/messages.h"
#include "engine/statistics.h"

namespace tl::engine {

namespace {

constexpr double kTolerance = 1e-7;

using Arguments = std::span<const double>;

// A finite value, else the composed failure of `name`.
StepResult<ListAnswer> Computed(std::string_view name, double value) {
  if (!std::isfinite(value)) return Diagnostic{msg::FunctionFailed(name)};
  return ListAnswer{value, std::nullopt};
}

// log(b, x): the logarithm of x to the base b.
StepResult<ListAnswer> Logarithm(Arguments arguments) {
  if (arguments.size() != 2) return Diagnostic{std::string(msg::kLogArguments)};
  const double lnBase = Ln(arguments[0]);
  if (lnBase == 0) return Diagnostic{msg::FunctionFailed("log")};  // base 1
  return Computed("log", Ln(arguments[1]) / lnBase);
}

StepResult<ListAnswer> Statistic(std::string_view name, Arguments values, int selector) {
  return Computed(name, *SummaryStatistic(values, selector));
}

// if(k, x1, …, xm): the text of x with index trunc(k), for 1 < k ≤ m.
StepResult<ListAnswer> Select(Arguments arguments) {
  const double k = arguments[0];
  const double count = static_cast<double>(arguments.size() - 1);
  if (k - count > kTolerance || k - 1 <= kTolerance)
    return Diagnostic{std::string(msg::kIfFirstArgument)};
  const auto chosen = static_cast<std::size_t>(std::trunc(k));
  return ListAnswer{arguments[chosen], chosen};
}

// tjfx(d, x1, …): the measure d of the values.
StepResult<ListAnswer> Statistics(Arguments arguments) {
  if (arguments.size() < 2) return Diagnostic{std::string(msg::kTjfxArguments)};
  const double selector = std::trunc(arguments[0]);
  if (selector < kMinimum || selector > kMedian) return Diagnostic{std::string(msg::kTjfxSelector)};
  return Statistic("tjfx", arguments.subspan(1), static_cast<int>(selector));
}

}  // namespace

struct ListFunction {
  std::string_view name;
  StepResult<ListAnswer> (*apply)(Arguments arguments);
};

namespace {

constexpr std::array<ListFunction, 6> kFunctions = {{
    {"log", Logarithm},
    {"max", [](Arguments a) { return Statistic("max", a, kMaximum); }},
    {"min", [](Arguments a) { return Statistic("min", a, kMinimum); }},
    {"sum", [](Arguments a) { return Statistic("sum", a, kSum); }},
    {"if", Select},
    {"tjfx", Statistics},
}};

}  // namespace

const ListFunction* FindListFunction(std::string_view name) {
  for (const ListFunction& function : kFunctions) {
    if (function.name == name) return &function;
  }
  return nullptr;
}

std::string_view NameOf(const ListFunction& function) {
  return function.name;
}

StepResult<ListAnswer> ApplyFunction(const ListFunction& function,
                                     std::span<const double> arguments) {
  return function.apply(arguments);
}

}  // namespace tl::engine
