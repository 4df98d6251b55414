#include "settings/values.h"

#include <cmath>
#include <limits>

#include "text/number_text.h"

namespace tl::settings {

namespace {
// Truncates toward zero and holds the result inside T's range; NaN reads 0.
template <typename T>
T TruncateInto(double value) {
  if (std::isnan(value)) return 0;
  const double truncated = std::trunc(value);
  // The upper limit as a double may round up past the range, so compare with >=.
  if (truncated >= static_cast<double>(std::numeric_limits<T>::max())) {
    return std::numeric_limits<T>::max();
  }
  if (truncated <= static_cast<double>(std::numeric_limits<T>::min())) {
    return std::numeric_limits<T>::min();
  }
  return static_cast<T>(truncated);
}
}  // namespace

int ReadInteger(std::string_view text) {
  return TruncateInto<int>(text::TextToNumber(text));
}

std::int64_t ReadCounter(std::string_view text) {
  return TruncateInto<std::int64_t>(text::TextToNumber(text));
}

std::uint32_t ReadColour(std::string_view text) {
  return TruncateInto<std::uint32_t>(text::TextToNumber(text));
}

std::string DecimalText(std::int64_t value) {
  return std::to_string(value);
}

}  // namespace tl::settings
