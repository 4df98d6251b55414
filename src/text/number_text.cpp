#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace tl::text {

namespace {
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsWhite(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

// Appends the exponent as a sign and at least three digits.
void AppendExponent(std::string& out, int exponent) {
  out += exponent < 0 ? '-' : '+';
  unsigned magnitude = static_cast<unsigned>(exponent < 0 ? -exponent : exponent);
  std::string digits = std::to_string(magnitude);
  if (digits.size() < 3) out.append(3 - digits.size(), '0');
  out += digits;
}
// A number outside the range of a double (digits and "." and an exponent,
// no sign): infinity when its decimal magnitude is positive, else 0.
double OutOfRangeValue(std::string_view number) {
  long long magnitude = 0;
  std::size_t p = 0;
  while (p < number.size() && number[p] == '0') ++p;
  bool seenNonZero = false;
  for (; p < number.size() && IsDigit(number[p]); ++p) ++magnitude, seenNonZero = true;
  if (!seenNonZero && p < number.size() && number[p] == '.') {
    for (++p; p < number.size() && number[p] == '0'; ++p) --magnitude;
  }
  std::size_t e = number.find_first_of("eE");
  if (e != std::string_view::npos) {
    bool negative = number[e + 1] == '-';
    long long exponent = 0;
    for (std::size_t q = e + 1; q < number.size(); ++q)
      if (IsDigit(number[q]) && exponent < 1000000) exponent = exponent * 10 + (number[q] - '0');
    magnitude += negative ? -exponent : exponent;
  }
  return magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}
}  // namespace

std::string NumberToText(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  if (value == 0) return std::signbit(value) ? "-0" : "0";

  // Scientific form with 13 significant digits, correctly rounded:
  // "d.dddddddddddde+XX".
  char buffer[40];
  auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 12);
  (void)ec;  // 40 bytes always suffice
  std::string_view sci(buffer, static_cast<std::size_t>(end - buffer));
  std::size_t ePos = sci.find('e');
  int exponent = std::atoi(std::string(sci.substr(ePos + 1)).c_str());
  bool negative = sci[0] == '-';
  std::string digits;  // the 13 significant digits
  for (char c : sci.substr(0, ePos))
    if (IsDigit(c)) digits += c;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = negative ? "-" : "";
  if (exponent < -4 || exponent >= 13) {
    out += digits[0];
    if (digits.size() > 1) out.append(".").append(digits, 1);
    out += 'e';
    AppendExponent(out, exponent);
  } else if (exponent < 0) {
    out.append("0.").append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
  } else {
    std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
      out.append(digits).append(integerDigits - digits.size(), '0');
    } else {
      out.append(digits, 0, integerDigits).append(".").append(digits, integerDigits);
    }
  }
  return out;
}

std::size_t LeadingNumberLength(std::string_view text) {
  std::size_t p = 0;
  while (p < text.size() && IsWhite(text[p])) ++p;
  if (p < text.size() && (text[p] == '+' || text[p] == '-')) ++p;
  std::size_t mantissaStart = p;
  while (p < text.size() && IsDigit(text[p])) ++p;
  bool hasDigits = p > mantissaStart;
  if (p < text.size() && text[p] == '.') {
    std::size_t fractionStart = ++p;
    while (p < text.size() && IsDigit(text[p])) ++p;
    hasDigits = hasDigits || p > fractionStart;
  }
  if (!hasDigits) return 0;
  if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
    std::size_t q = p + 1;
    if (q < text.size() && (text[q] == '+' || text[q] == '-')) ++q;
    std::size_t exponentStart = q;
    while (q < text.size() && IsDigit(text[q])) ++q;
    if (q > exponentStart) p = q;
  }
  return p;
}

double TextToNumber(std::string_view text) {
  std::size_t length = LeadingNumberLength(text);
  if (length == 0) return 0;
  std::size_t p = 0;
  while (IsWhite(text[p])) ++p;
  bool negative = text[p] == '-';
  if (text[p] == '+' || text[p] == '-') ++p;
  std::string_view number = text.substr(p, length - p);
  double value = 0;
  auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  (void)ptr;
  if (ec == std::errc::result_out_of_range) value = OutOfRangeValue(number);
  return negative ? -value : value;
}

}  // namespace tl::text
