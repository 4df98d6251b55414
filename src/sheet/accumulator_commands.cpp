// The worksheet's side of the accumulator: "&A.记录", the records the
// write-back appends, "&O.清空累加器", and what the accumulator window's
// buttons do to the worksheet.
#include <vector>

#include "sheet/status_messages.h"
#include "sheet/worksheet.h"
#include "text/gbk.h"

namespace tl::sheet {

CommandResult Worksheet::ToggleRecord() {
  if (settings_.动态刷新) return CommandResult::Disabled;
  recording_ = !recording_;
  return CommandResult::Done;
}

CommandResult Worksheet::ClearAccumulator() {
  if (settings_.动态刷新) return CommandResult::Disabled;
  MessageBoxRequest question{std::string(msg::kClearAccumulatorQuestion),
                             std::string(msg::kClearAccumulatorTitle), MessageBoxButtons::OkCancel,
                             MessageBoxIcon::Warning, MessageBoxAnswer::Cancel};
  if (host_.ShowMessageBox(question) == MessageBoxAnswer::Ok) accumulator_.clear();
  return CommandResult::Done;
}

void Worksheet::AppendRecord(std::string_view expression, std::string_view result) {
  const int sequence = static_cast<int>(accumulator_.size()) + 1;
  accumulator_.push_back({sequence, std::string(expression), std::string(result)});
}

std::optional<std::string> Worksheet::BuildAccumulatorText(AccumulatorOperation operation,
                                                           std::string_view note,
                                                           std::span<const int> chosen) const {
  if (chosen.empty()) return std::nullopt;
  std::vector<std::string_view> results;
  results.reserve(chosen.size());
  for (const int sequence : chosen) {
    // Sequence numbers count the records from 1 in the order they were made.
    if (sequence < 1 || static_cast<std::size_t>(sequence) > accumulator_.size()) {
      return std::nullopt;
    }
    results.push_back(accumulator_[static_cast<std::size_t>(sequence) - 1].result);
  }
  return CombineResults(operation, note, results);
}

void Worksheet::InsertAccumulatorResult(std::string_view text) {
  // A new line below the caret's: before the start of the next line, or
  // behind the end of the text when the caret is on the last line.
  const std::size_t caret = box_.Caret();
  const std::size_t lineBreak = box_.FindBytes(text::kCrLf, caret > 0 ? caret - 1 : 0);
  if (lineBreak == text::npos) {
    PlaceCaret(box_, box_.Size());
    box_.ReplaceSelection(std::string(text::kCrLf) + std::string(text));
  } else {
    PlaceCaret(box_, lineBreak + 2);
    box_.ReplaceSelection(std::string(text) + std::string(text::kCrLf));
    PlaceCaret(box_, box_.Caret() - text::kCrLf.size());
  }
  EvaluateCurrentLine();
}

}  // namespace tl::sheet
