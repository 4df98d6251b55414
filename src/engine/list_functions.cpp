#include "engine/list_functions.h"

#include <array>
#include <cmath>
#include <vector>

#include "engine/messages.h"
#include "engine/statistics.h"
#include "text/number_text.h"

namespace tl::engine {

namespace {

constexpr double kTolerance = 1e-7;

std::vector<double> ValuesOf(std::span<const std::string> texts) {
  std::vector<double> values;
  values.reserve(texts.size());
  for (const std::string& text : texts) values.push_back(text::TextToNumber(text));
  return values;
}

// A finite result as its number text, else the composed failure of `name`.
StepResult<std::string> NumberResult(std::string_view name, double value) {
  if (!std::isfinite(value)) return Diagnostic{msg::FunctionFailed(name)};
  return text::NumberToText(value);
}

// log(b, x): the logarithm of x to the base b.
StepResult<std::string> Logarithm(std::span<const std::string> arguments) {
  if (arguments.size() != 2) return Diagnostic{std::string(msg::kLogArguments)};
  const double lnBase = std::log(text::TextToNumber(arguments[0]));
  if (lnBase == 0) return Diagnostic{msg::FunctionFailed("log")};  // base 1
  return NumberResult("log", std::log(text::TextToNumber(arguments[1])) / lnBase);
}

StepResult<std::string> Statistic(std::string_view name, std::span<const std::string> arguments,
                                  int selector) {
  const std::vector<double> values = ValuesOf(arguments);
  return NumberResult(name, *SummaryStatistic(values, selector));
}

// if(k, x1, …, xm): the text of x with index trunc(k), for 1 < k ≤ m.
StepResult<std::string> Select(std::span<const std::string> arguments) {
  const double k = text::TextToNumber(arguments[0]);
  const double count = static_cast<double>(arguments.size() - 1);
  if (k - count > kTolerance || k - 1 <= kTolerance)
    return Diagnostic{std::string(msg::kIfFirstArgument)};
  return arguments[static_cast<std::size_t>(std::trunc(k))];
}

// tjfx(d, x1, …): the measure d of the values.
StepResult<std::string> Statistics(std::span<const std::string> arguments) {
  if (arguments.size() < 2) return Diagnostic{std::string(msg::kTjfxArguments)};
  const double selector = std::trunc(text::TextToNumber(arguments[0]));
  if (selector < kMinimum || selector > kMedian) return Diagnostic{std::string(msg::kTjfxSelector)};
  return Statistic("tjfx", arguments.subspan(1), static_cast<int>(selector));
}

}  // namespace

struct ListFunction {
  std::string_view name;
  StepResult<std::string> (*apply)(std::span<const std::string> arguments);
};

namespace {

constexpr std::array<ListFunction, 6> kFunctions = {{
    {"log", Logarithm},
    {"max", [](std::span<const std::string> a) { return Statistic("max", a, kMaximum); }},
    {"min", [](std::span<const std::string> a) { return Statistic("min", a, kMinimum); }},
    {"sum", [](std::span<const std::string> a) { return Statistic("sum", a, kSum); }},
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

StepResult<std::string> ApplyFunction(const ListFunction& function,
                                      std::span<const std::string> arguments) {
  return function.apply(arguments);
}

}  // namespace tl::engine
