#include "sheet/shown_value.h"

#include <algorithm>

#include "text/gbk.h"
#include "text/number_text.h"

namespace tl::sheet {

namespace {
constexpr std::string_view kFractionBar = "∟";
constexpr std::string_view kTimesTenTo = "×10^";

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The length of the space (ASCII or ideographic) at `pos`, 0 when none.
std::size_t SpaceLength(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return 0;
  if (text[pos] == ' ') return 1;
  return text.substr(pos, 2) == text::kIdeographicSpace ? 2 : 0;
}

// The length of the value byte or "∟" at `pos`, 0 when none.
std::size_t ValueCharLength(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return 0;
  const char c = text[pos];
  if (IsDigit(c) || c == '.' || c == ';' || c == ',') return 1;
  if (text.substr(pos, 2) == kFractionBar) return 2;
  return SpaceLength(text, pos);
}
}  // namespace

bool IsCanonicalNumber(std::string_view text) {
  return !text.empty() && text == text::NumberToText(text::TextToNumber(text));
}

std::string_view StripShownValue(std::string_view part) {
  std::size_t p = 0;
  while (std::size_t length = SpaceLength(part, p)) p += length;
  if (p < part.size() && (part[p] == '-' || part[p] == '+')) ++p;
  while (std::size_t length = ValueCharLength(part, p)) p += length;
  if (part.substr(p).starts_with(kTimesTenTo)) {
    const std::size_t digits = p + kTimesTenTo.size();
    std::size_t end = digits;
    while (end < part.size() && (IsDigit(part[end]) || part[end] == '.' || part[end] == '-')) ++end;
    const double exponent = text::TextToNumber(part.substr(digits, end - digits));
    if (exponent >= 13 || exponent <= -5) p = end;
  }
  return part.substr(p);
}

bool IsShownValue(std::string_view text) {
  return std::any_of(text.begin(), text.end(), IsDigit) && StripShownValue(text).empty();
}

}  // namespace tl::sheet
