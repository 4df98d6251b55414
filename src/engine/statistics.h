#pragma once
// Summary statistics over a list of values: the one definition of minimum,
// maximum, sum and mean wherever the engine takes them.
#include <optional>
#include <span>

namespace tl::engine {

// Selectors of the measures, as the "tjfx" function numbers them.
inline constexpr int kMinimum = 1;
inline constexpr int kMaximum = 2;
inline constexpr int kRange = 3;
inline constexpr int kSum = 4;
inline constexpr int kMean = 5;
inline constexpr int kSampleVariance = 6;
inline constexpr int kStandardDeviation = 7;
inline constexpr int kStandardError = 8;
inline constexpr int kMedian = 9;

// The measure chosen by `selector` over `values` (at least one value), or none
// for a selector outside 1 to 9. The measure may be infinite or not a number
// (a sum that overflows, the variance of a single value): callers check.
std::optional<double> SummaryStatistic(std::span<const double> values, int selector);

}  // namespace tl::engine
