#include "engine/list_functions.h"

#include <cmath>
#include <limits>

#include "engine/exponential.h"
#include "engine/messages.h"
#include "engine/statistics.h"

namespace tl::engine::list {

namespace {

constexpr double kTolerance = 1e-7;

ListAnswer Statistic(Arguments values, int selector) {
  return {*SummaryStatistic(values, selector)};
}

}  // namespace

ListAnswer Log(Arguments arguments) {
  if (arguments.size() != 2) return {.failure = msg::kLogArguments};
  const double lnBase = Ln(arguments[0]);
  // Base 1 has no logarithm: not a number, the function's failure.
  if (lnBase == 0) return {std::numeric_limits<double>::quiet_NaN()};
  return {Ln(arguments[1]) / lnBase};
}

ListAnswer Max(Arguments arguments) {
  return Statistic(arguments, kMaximum);
}
ListAnswer Min(Arguments arguments) {
  return Statistic(arguments, kMinimum);
}
ListAnswer Sum(Arguments arguments) {
  return Statistic(arguments, kSum);
}

// The chosen index lies in 1 < k ≤ m (with the tolerance).
ListAnswer If(Arguments arguments) {
  const double k = arguments[0];
  const double count = static_cast<double>(arguments.size() - 1);
  if (k - count > kTolerance || k - 1 <= kTolerance) return {.failure = msg::kIfFirstArgument};
  const auto chosen = static_cast<std::size_t>(std::trunc(k));
  return {arguments[chosen], chosen};
}

ListAnswer Tjfx(Arguments arguments) {
  if (arguments.size() < 2) return {.failure = msg::kTjfxArguments};
  const double selector = std::trunc(arguments[0]);
  if (selector < kMinimum || selector > kMedian) return {.failure = msg::kTjfxSelector};
  return Statistic(arguments.subspan(1), static_cast<int>(selector));
}

}  // namespace tl::engine::list
