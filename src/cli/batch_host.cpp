#include "cli/batch_host.h"

#include <algorithm>

#include "sheet/status_messages.h"
#include "text/gbk.h"

namespace tl::cli {

namespace {

constexpr std::string_view kBatchDoneCategory = "   [运算完成]";

// Status messages between two looks at the progress.
constexpr std::size_t kProgressInterval = 1024;

bool IsContentPrompt(std::string_view status) {
  return status == sheet::msg::kPressCtrlEnter || status == sheet::msg::kEditedPressEnter ||
         status == sheet::msg::kTypedPressEnter;
}

}  // namespace

bool IsFailureMessage(std::string_view status) {
  return status.starts_with("   [表达式错误]") || status.starts_with("   [运算错误]") ||
         status == sheet::msg::kRefreshFailed;
}

void Progress::Report(std::size_t done) {
  if (!terminal_ || total_ == 0) return;
  // Results make the text grow: a whole text can pass its first size.
  const int percent = static_cast<int>(std::min<std::size_t>(100, (offset_ + done) * 100 / total_));
  if (percent == shown_) return;
  shown_ = percent;
  *terminal_ << "\rtallyline-cli: run: " << percent << "%" << std::flush;
}

void Progress::Finish() {
  if (!terminal_ || shown_ < 0) return;
  *terminal_ << "\r                        \r" << std::flush;
  shown_ = -1;
}

BatchHost::Unit BatchHost::UnitAtCaret() {
  const std::size_t caret = box_.Caret();
  const std::size_t lineBreak = box_.RFindBytes(text::kCrLf, caret);
  Unit unit;
  unit.lineStart = lineBreak == text::npos ? 0 : lineBreak + 2;
  unit.start = unit.lineStart;
  if (spaceSeparated_ && caret > unit.lineStart) {
    const std::size_t space = box_.Slice(unit.lineStart, caret).rfind(' ');
    if (space != text::npos) unit.start = unit.lineStart + space + 1;
  }
  return unit;
}

std::string BatchHost::StatusText() {
  if (caretPlace_) return sheet::msg::CaretPosition(caretPlace_->first, caretPlace_->second);
  return status_;
}

void BatchHost::SetCaretPositionStatus(std::size_t line, std::size_t column) {
  if (spaceSeparated_) {
    SetStatusText(sheet::msg::CaretPosition(line, column));
    return;
  }
  // Line by line the batch shows the caret position before every line: it
  // opens that line's unit, and it is no failure.
  caretPlace_.emplace(line, column);
  if (++messages_ % kProgressInterval == 0) progress_.Report(box_.Caret());
  if (unitOpen_) Judge();
  unitOpen_ = true;
  verdict_.clear();
}

void BatchHost::SetStatusText(std::string_view text) {
  caretPlace_.reset();
  status_ = text;
  if (++messages_ % kProgressInterval == 0) progress_.Report(box_.Caret());
  // The batch's closing count follows the last unit and judges none.
  if (IsContentPrompt(text) || text.starts_with(kBatchDoneCategory)) return;
  if (!spaceSeparated_) {
    verdict_ = text;
    return;
  }
  const Unit unit = UnitAtCaret();
  if (!unitOpen_ || unit.start != unit_.start) {
    if (unitOpen_) Judge();
    unit_ = unit;
    unitOpen_ = true;
  }
  verdict_ = text;
}

void BatchHost::Judge() {
  if (!IsFailureMessage(verdict_)) return;
  // Several expressions of one line may fail; the line counts once.
  if (spaceSeparated_ && lineCounted_ && countedLineStart_ == unit_.lineStart) return;
  ++failedLines_;
  lineCounted_ = true;
  countedLineStart_ = unit_.lineStart;
}

std::size_t BatchHost::FailedLines() {
  if (unitOpen_) Judge();
  unitOpen_ = false;
  return failedLines_;
}

}  // namespace tl::cli
