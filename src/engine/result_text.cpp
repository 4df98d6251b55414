#include "engine/result_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

#include "engine/alphabet.h"
#include "engine/fraction_search.h"
#include "engine/integer_rule.h"
#include "text/number_text.h"
#include "text/number_text_buffer.h"

namespace tl::engine {

namespace {

constexpr double kTolerance = 1e-7;
constexpr double kNudge = 1e-12;
// 2^52: from here on a double has no fractional part left to round.
constexpr double kNoFraction = 4503599627370496.0;
// Beyond ±330 decimals rounding changes no double; the bound keeps a setting
// out of range from asking for millions of padding zeros.
constexpr int kMaxDecimals = 330;
// Exponent forms of the number text and how a result writes them.
constexpr std::string_view kPositiveExponent = "e+";
constexpr std::string_view kNegativeExponent = "e-";
constexpr std::string_view kTimesTenTo = "×10^";
// Improper fractions and mixed numbers are kept short.
constexpr std::size_t kImproperDigits = 9;
constexpr std::size_t kMixedDigits = 7;

// 10^k for k ≥ 0, correctly rounded on every platform (infinite past 308).
double PowerOfTen(int k) {
  static constexpr std::array<double, 23> kExact = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                    1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                    1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  if (k < static_cast<int>(kExact.size())) return kExact[static_cast<std::size_t>(k)];
  return text::TextToNumber("1e" + std::to_string(k));
}

// Digits with at most one "." after an optional "-": the only texts grouped.
bool IsPlainDecimal(std::string_view text) {
  if (!text.empty() && text[0] == '-') text.remove_prefix(1);
  if (text.empty() || std::count(text.begin(), text.end(), '.') > 1) return false;
  return std::all_of(text.begin(), text.end(), [](char c) { return IsDigit(c) || c == '.'; });
}

// Inserts `separator` before every third digit of the whole part, counting
// leftward from the "." (or the end), never before the first digit.
void GroupThousands(std::string& text, char separator) {
  if (!IsPlainDecimal(text)) return;
  const std::size_t first = text[0] == '-' ? 1 : 0;
  std::size_t end = std::min(text.find('.'), text.size());
  while (end > first + 3) {
    end -= 3;
    text.insert(end, 1, separator);
  }
}

// Appends zeros until exactly `decimals` digits follow the "." (never removes).
void PadDecimals(std::string& text, int decimals) {
  std::size_t point = text.find('.');
  if (point == std::string::npos) {
    point = text.size();
    text += '.';
  }
  const std::size_t have = text.size() - point - 1;
  const auto want = static_cast<std::size_t>(decimals);
  if (have < want) text.append(want - have, '0');
}

// `shown` is the number text of v, when the caller has it already: a
// rounding that leaves every bit of v as it was gives that same text.
std::string DecimalOutput(double v, const Options& options,
                          const text::NumberTextBuffer* shown = nullptr) {
  const int decimals = std::clamp(options.precision, -kMaxDecimals, kMaxDecimals);
  const double rounded = RoundToDecimals(v, decimals);
  std::string text(shown && std::bit_cast<std::uint64_t>(rounded) == std::bit_cast<std::uint64_t>(v)
                       ? shown->View()
                       : text::NumberTextBuffer(rounded).View());
  if (!options.dropTrailingZeros && decimals > 0) PadDecimals(text, decimals);
  if (options.thousandsSeparator == ThousandsSeparator::Semicolon) GroupThousands(text, ';');
  if (options.thousandsSeparator == ThousandsSeparator::Comma) GroupThousands(text, ',');
  return text;
}

std::size_t DigitsOf(double number) {
  return text::NumberToText(number).size();
}

std::string FractionOutput(double v, FractionForm form, const Options& options) {
  const std::string_view sign = v < -kTolerance ? "-" : "";
  const double a = std::fabs(v);
  const double whole = IntegerRule(a);
  const double rest = a - whole;
  if (sign.size() + DigitsOf(whole) >= kImproperDigits || std::fabs(rest) <= kTolerance)
    return DecimalOutput(v, options);
  const std::optional<Fraction> found = FindFraction(rest);
  if (!found) return DecimalOutput(v, options);
  const auto b = static_cast<double>(found->numerator);
  const auto n = static_cast<double>(found->denominator);
  std::string text(sign);
  if (form == FractionForm::Fraction) {
    const double numerator = b + n * whole;
    if (DigitsOf(numerator) + DigitsOf(n) >= kImproperDigits) return DecimalOutput(v, options);
    text.append(text::NumberToText(numerator)).append(kFractionBar);
  } else {
    if (DigitsOf(whole) + DigitsOf(b) + DigitsOf(n) >= kMixedDigits)
      return DecimalOutput(v, options);
    text.append(text::NumberToText(whole)).append(kFractionBar);
    text.append(text::NumberToText(b)).append(kFractionBar);
  }
  return text.append(text::NumberToText(n));
}

}  // namespace

double RoundToDecimals(double v, int d) {
  if (v == 0) return 0;
  d = std::clamp(d, -kMaxDecimals, kMaxDecimals);
  const double scale = PowerOfTen(std::abs(d));
  const double a = std::fabs(v);
  const double m = d > 0 ? a * scale : d == 0 ? a : a / scale;
  if (!(m < kNoFraction)) return v;  // nothing left below the last decimal
  double whole = 0;
  const double fraction = std::modf(m + kNudge, &whole);
  if (fraction >= 0.5) whole += 1;
  if (whole == 0) return 0;
  const double rounded = d > 0 ? whole / scale : d == 0 ? whole : whole * scale;
  if (!std::isfinite(rounded)) return v;  // rounding up past the largest double
  return v < 0 ? -rounded : rounded;
}

std::string FormatResult(double v, ResultKind resultKind, const Options& options) {
  const text::NumberTextBuffer number(v);
  const std::string_view t = number.View();
  FractionForm form = options.fractionForm;
  if (form == FractionForm::Mixed && IntegerRule(std::fabs(v)) < 1) form = FractionForm::Decimal;
  if (const std::size_t e = t.find(kPositiveExponent); e != std::string::npos)
    return std::string(t.substr(0, e)).append(kTimesTenTo).append(t.substr(e + 2));
  if (const std::size_t e = t.find(kNegativeExponent); e != std::string::npos)
    return std::string(t.substr(0, e)).append(kTimesTenTo).append(t.substr(e + 1));
  const bool fractionForm = form == FractionForm::Fraction || form == FractionForm::Mixed;
  if (t.find('.') != std::string_view::npos && fractionForm &&
      resultKind == ResultKind::FractionTyped)
    return FractionOutput(v, form, options);
  return DecimalOutput(v, options, &number);
}

}  // namespace tl::engine
