// Any bytes as an expression, under fuzzed options. Invariants: exactly one
// outcome; a result text reads back as a finite number in the form the options
// chose; a message is a status message; nothing crashes.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "text/gbk.h"
#include "text/number_text.h"

namespace {

using tl::engine::Options;

Options OptionsFrom(std::uint8_t a, std::uint8_t b) {
  Options o;
  o.fractionForm = static_cast<tl::engine::FractionForm>(a % 3);
  o.ignoreThousands = (a >> 2) & 1;
  o.thousandsSeparator = static_cast<tl::engine::ThousandsSeparator>((a >> 3) % 3);
  o.angleMode = static_cast<tl::engine::AngleMode>((a >> 5) % 3);
  o.precision = b % 16;
  o.dropTrailingZeros = (b >> 4) & 1;
  o.mode = (b >> 5) & 1 ? tl::engine::EvaluationMode::ConversionApply
                        : tl::engine::EvaluationMode::Normal;
  return o;
}

bool IsNumber(std::string_view t) {
  return !t.empty() && tl::text::LeadingNumberLength(t) == t.size() &&
         std::isfinite(tl::text::TextToNumber(t));
}

// A result text: an optional "-", then a decimal (perhaps grouped by "," or
// ";"), a mantissa with "×10^" and an exponent, or "∟"-separated integers.
bool IsResultText(std::string_view r) {
  const std::string_view power =
      "\xA1\xC1"
      "10^";  // "×10^"
  if (std::size_t p = tl::text::Find(r, power); p != tl::text::npos)
    return IsNumber(r.substr(0, p)) && IsNumber(r.substr(p + power.size()));
  const std::string_view bar = "\xA8\x4E";  // "∟"
  if (tl::text::Find(r, bar) != tl::text::npos) {
    std::string parts = tl::text::ReplaceAll(r, bar, " ");
    for (char c : parts)
      if (!(c == ' ' || c == '-' || (c >= '0' && c <= '9'))) return false;
    return true;
  }
  std::string plain;
  for (char c : r)
    if (c != ',' && c != ';') plain += c;
  return IsNumber(plain);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  Options options = OptionsFrom(data[0], data[1]);
  std::string_view expr(reinterpret_cast<const char*>(data + 2), size - 2);
  tl::engine::Outcome outcome = tl::engine::Evaluate(expr, options);
  switch (outcome.status) {
    case tl::engine::Status::Result:
      if (!IsResultText(outcome.text)) std::abort();
      break;
    case tl::engine::Status::Message:
    case tl::engine::Status::Unrecognised:
      if (outcome.text.rfind("   [", 0) != 0) std::abort();
      break;
    case tl::engine::Status::Empty:
      if (!outcome.text.empty()) std::abort();
      break;
  }
  return 0;
}
