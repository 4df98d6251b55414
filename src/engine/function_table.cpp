#include "engine/function_table.h"

#include <cmath>
#include <string>

namespace tl::engine {

namespace {
constexpr auto kFunctionNames = [] {
  std::array<FunctionName, kFunctions.size()> names{};
  for (std::size_t i = 0; i < kFunctions.size(); ++i)
    names[i] = {kFunctions[i].name, kFunctions[i].kind};
  return names;
}();
}  // namespace

std::span<const FunctionName> FunctionNames() {
  return kFunctionNames;
}

StepResult<double> ApplyOneArgument(const Function& function, double x, AngleMode angleMode) {
  const Computed computed = function.compute(x, angleMode);
  if (!computed.failure.empty()) return Diagnostic{std::string(computed.failure)};
  if (!std::isfinite(computed.value)) {
    if (function.notFinite.empty()) return Diagnostic{msg::FunctionFailed(function.name)};
    return Diagnostic{std::string(function.notFinite)};
  }
  return computed.value;
}

StepResult<ListAnswer> ApplyList(const Function& function, list::Arguments arguments) {
  ListAnswer answer = function.computeList(arguments);
  if (!answer.failure.empty()) return Diagnostic{std::string(answer.failure)};
  if (!answer.chosenArgument && !std::isfinite(answer.value))
    return Diagnostic{msg::FunctionFailed(function.name)};
  return answer;
}

}  // namespace tl::engine
