#include "engine/statistics.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace tl::engine {

namespace {

double Sum(std::span<const double> values) {
  double sum = 0;
  for (const double x : values) sum += x;
  return sum;
}

// (Σ x² − mean × (mean × n)) ÷ (n − 1); a single value has no sample variance.
double SampleVariance(std::span<const double> values) {
  const double n = static_cast<double>(values.size());
  if (values.size() < 2) return std::numeric_limits<double>::quiet_NaN();
  const double mean = Sum(values) / n;
  double squares = 0;
  for (const double x : values) squares += x * x;
  return (squares - mean * (mean * n)) / (n - 1);
}

double Median(std::span<const double> values) {
  std::vector<double> sorted(values.begin(), values.end());
  std::sort(sorted.begin(), sorted.end());
  const std::size_t half = sorted.size() / 2;
  if (sorted.size() % 2 == 1) return sorted[half];
  return (sorted[half - 1] + sorted[half]) / 2;
}

}  // namespace

std::optional<double> SummaryStatistic(std::span<const double> values, int selector) {
  if (values.empty()) return std::nullopt;
  const double n = static_cast<double>(values.size());
  switch (selector) {
    case kMinimum:
      return *std::min_element(values.begin(), values.end());
    case kMaximum:
      return *std::max_element(values.begin(), values.end());
    case kRange:
      return *std::max_element(values.begin(), values.end()) -
             *std::min_element(values.begin(), values.end());
    case kSum:
      return Sum(values);
    case kMean:
      return Sum(values) / n;
    case kSampleVariance:
      return SampleVariance(values);
    case kStandardDeviation:
      return std::sqrt(std::fabs(SampleVariance(values)));
    case kStandardError:
      return std::sqrt(std::fabs(SampleVariance(values))) / std::sqrt(n);
    case kMedian:
      return Median(values);
    default:
      return std::nullopt;
  }
}

}  // namespace tl::engine
