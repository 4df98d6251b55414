#include "sheet/line/shown_value.h"

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

namespace {

// Reads a result's parts from the front of a text.
class ValueReader {
 public:
  explicit ValueReader(std::string_view text) : text_(text) {}
  bool AtEnd() const { return p_ == text_.size(); }
  bool Take(std::string_view what) {
    if (!text_.substr(p_).starts_with(what)) return false;
    p_ += what.size();
    return true;
  }
  // A run of digits; at least `least`, and none after a leading "0" when
  // `noLeadingZero`. Its length, or 0 when there is none such.
  std::size_t Digits(std::size_t least, bool noLeadingZero) {
    const std::size_t start = p_;
    while (p_ < text_.size() && IsDigit(text_[p_])) ++p_;
    const std::size_t length = p_ - start;
    if (length < least || (noLeadingZero && length > 1 && text_[start] == '0')) {
      p_ = start;
      return 0;
    }
    return length;
  }
  std::size_t Position() const { return p_; }
  void Restart(std::size_t position) { p_ = position; }
  std::string_view From(std::size_t position) const {
    return text_.substr(position, p_ - position);
  }

 private:
  std::string_view text_;
  std::size_t p_ = 0;
};

// An integer part: one digit group of up to three after another, joined by
// the separator, or the digits without one.
bool ReadIntegerPart(ValueReader& reader, engine::ThousandsSeparator grouping) {
  const std::size_t first = reader.Digits(1, true);
  if (first == 0) return false;
  const std::string_view separator = grouping == engine::ThousandsSeparator::Comma       ? ","
                                     : grouping == engine::ThousandsSeparator::Semicolon ? ";"
                                                                                         : "";
  if (separator.empty() || first > 3) return true;
  for (std::size_t at = reader.Position(); reader.Take(separator); at = reader.Position()) {
    if (reader.Digits(3, false) != 3) {
      reader.Restart(at);  // what follows is no group: the text is not a value
      return true;
    }
  }
  return true;
}

bool ReadDecimal(ValueReader& reader, engine::ThousandsSeparator grouping) {
  if (!ReadIntegerPart(reader, grouping)) return false;
  return !reader.Take(".") || reader.Digits(1, false) > 0;
}

// "1.5×10^020": one digit before the point, three digits of exponent or more,
// and an exponent that the number text writes in this form (13 or more, -5 or
// less).
bool ReadExponentForm(ValueReader& reader) {
  const std::size_t start = reader.Position();
  if (reader.Digits(1, false) != 1 || reader.From(start) == "0") return false;
  if (reader.Take(".") && reader.Digits(1, false) == 0) return false;
  if (!reader.Take(kTimesTenTo)) return false;
  const bool negative = reader.Take("-");
  const std::size_t digits = reader.Position();
  if (reader.Digits(3, false) == 0) return false;
  const double exponent = text::TextToNumber(reader.From(digits));
  return negative ? exponent >= 5 : exponent >= 13;
}

// "7∟4" or "1∟3∟4".
bool ReadFraction(ValueReader& reader) {
  int parts = 0;
  do {
    if (reader.Digits(1, true) == 0) return false;
    ++parts;
  } while (parts < 3 && reader.Take(kFractionBar));
  return parts >= 2;
}

std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && SpaceLength(text, 0) > 0) text.remove_prefix(SpaceLength(text, 0));
  for (;;) {
    if (text.ends_with(' ')) {
      text.remove_suffix(1);
    } else if (text.ends_with(text::kIdeographicSpace)) {
      text.remove_suffix(text::kIdeographicSpace.size());
    } else {
      return text;
    }
  }
}

}  // namespace

bool IsShownValue(std::string_view text, engine::ThousandsSeparator grouping) {
  ValueReader reader(TrimSpaces(text));
  reader.Take("-");
  const std::size_t start = reader.Position();
  if (ReadExponentForm(reader) && reader.AtEnd()) return true;
  reader.Restart(start);
  if (ReadFraction(reader) && reader.AtEnd()) return true;
  reader.Restart(start);
  return ReadDecimal(reader, grouping) && reader.AtEnd();
}

}  // namespace tl::sheet
