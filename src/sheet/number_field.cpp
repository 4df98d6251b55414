#include "sheet/number_field.h"

#include "sheet/line_span.h"
#include "sheet/shown_value.h"
#include "text/gbk.h"
#include "text/number_text.h"

namespace tl::sheet {

namespace {
constexpr std::string_view kFractionBar = "∟";
constexpr std::string_view kTimesTenTo = "×10^";

std::string_view TrimSpaces(std::string_view text) {
  for (;;) {
    if (text.starts_with(' ')) {
      text.remove_prefix(1);
    } else if (text.starts_with(text::kIdeographicSpace)) {
      text.remove_prefix(text::kIdeographicSpace.size());
    } else if (text.ends_with(' ')) {
      text.remove_suffix(1);
    } else if (text.ends_with(text::kIdeographicSpace)) {
      text.remove_suffix(text::kIdeographicSpace.size());
    } else {
      return text;
    }
  }
}

// "7∟4" is 7/4, "1∟3∟4" is 1 and 3/4; a "-" in front negates the whole.
double FractionValue(std::string_view shown) {
  const bool negative = shown.starts_with('-');
  if (negative) shown.remove_prefix(1);
  double parts[3] = {};
  std::size_t count = 0;
  for (std::size_t bar; count < 2 && (bar = shown.find(kFractionBar)) != std::string_view::npos;) {
    parts[count++] = text::TextToNumber(shown.substr(0, bar));
    shown.remove_prefix(bar + kFractionBar.size());
  }
  parts[count++] = text::TextToNumber(shown);
  const double value = count == 2 ? parts[0] / parts[1] : parts[0] + parts[1] / parts[2];
  return negative ? -value : value;
}
}  // namespace

std::string NumberFieldStart(EditBox& box, engine::ThousandsSeparator grouping) {
  if (box.SelectionLength() > 0) return std::string(SelectedText(box));
  const std::size_t caret = box.Caret();
  const std::string_view line =
      box.Slice(AfterLineFeedBefore(box, caret), CarriageReturnFrom(box, caret));
  const std::size_t equals = line.rfind('=');
  if (equals == std::string_view::npos) return {};
  const std::string_view shown = TrimSpaces(line.substr(equals + 1));
  if (!IsShownValue(shown, grouping)) return {};
  if (shown.find(kFractionBar) != std::string_view::npos) {
    return text::NumberToText(FractionValue(shown));
  }
  if (const std::size_t power = shown.find(kTimesTenTo); power != std::string_view::npos) {
    const std::string exponentForm = std::string(shown.substr(0, power)) + "e" +
                                     std::string(shown.substr(power + kTimesTenTo.size()));
    return text::NumberToText(text::TextToNumber(exponentForm));
  }
  return std::string(shown);
}

}  // namespace tl::sheet
