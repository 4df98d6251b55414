#include "engine/conversion_check.h"

#include "engine/alphabet.h"
#include "engine/messages.h"
#include "engine/prepare.h"
#include "engine/token_kinds.h"
#include "text/gbk.h"

namespace tl::engine {

namespace {
// The bytes a shown result may consist of besides digits and "∟": the
// thousands separators, the end marker and a minus sign.
bool IsResultByte(char c) {
  return IsDigit(c) || c == '.' || c == ',' || c == ';' || c == ' ' || c == '-';
}
}  // namespace

StepResult<ShownResult> InspectShownResult(std::string_view prepared) {
  std::size_t parts = 1;
  for (std::size_t p = 0; p < prepared.size();) {
    const std::size_t length = text::CharLength(prepared, p);
    if (length == 2 && PairCode(prepared[p], prepared[p + 1]) == PairCode(kFractionBar)) {
      ++parts;
    } else if (length == 2 || !IsResultByte(prepared[p])) {
      return Diagnostic{std::string(msg::kComputeFirst)};
    }
    p += length;
  }
  FractionForm detected;
  switch (parts) {
    case 1:  // a decimal becomes a fraction
      detected = FractionForm::Fraction;
      break;
    case 2:  // a fraction becomes a mixed number
      detected = FractionForm::Mixed;
      break;
    case 3:  // a mixed number becomes a decimal
      detected = FractionForm::Decimal;
      break;
    default:
      return Diagnostic{std::string(msg::kFractionFormat)};
  }
  const bool hasEndMarker = prepared.ends_with(kEndMarker);
  return ShownResult{detected, prepared.size() - (hasEndMarker ? kEndMarker.size() : 0)};
}

ShownResultCheck CheckShownResult(std::string_view shownText) {
  ShownResultCheck check;
  const std::string prepared = PrepareExpression(shownText);
  if (prepared == kEndMarker) return check;
  StepResult<ShownResult> inspected = InspectShownResult(prepared);
  if (auto* failure = std::get_if<Diagnostic>(&inspected)) {
    check.status = Status::Message;
    check.text = std::move(failure->message);
  } else {
    check.status = Status::Result;
    check.next = std::get<ShownResult>(inspected).detected;
  }
  return check;
}

}  // namespace tl::engine
