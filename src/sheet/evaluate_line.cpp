// EvaluateCurrentLine: picks the caret's line, honours a pending line cut and
// the fraction conversion's check pass, calls the engine, and hands a result
// to the write-back.
#include "sheet/engine_options.h"
#include "sheet/shown_value.h"
#include "sheet/worksheet.h"
#include "text/gbk.h"

namespace tl::sheet {

bool Worksheet::EvaluateCurrentLine() {
  return EvaluateCaretLine() == LineOutcome::Written;
}

Worksheet::LineOutcome Worksheet::EvaluateCaretLine() {
  LineOutcome outcome = EvaluateLine(true);
  if (outcome == LineOutcome::RepairWanted) {
    // One repair, then a text that is still inconsistent reports the
    // character like any other.
    RepairDocument();
    outcome = EvaluateLine(false);
  }
  if (outcome == LineOutcome::RefreshWanted) {
    // Inside a refresh the line is being rebuilt already.
    if (refreshing_) return LineOutcome::NotWritten;
    return RefreshLine() ? LineOutcome::Refreshed : LineOutcome::Failed;
  }
  return outcome;
}

engine::Options Worksheet::EngineOptions() const {
  engine::Options options = EngineOptionsFrom(settings_);
  if (evaluationMode_ == engine::EvaluationMode::ConversionApply) {
    options.fractionForm = detectedFractionForm_;
  }
  options.mode = evaluationMode_;
  return options;
}

ExpressionPick Worksheet::PickAtCaret(std::size_t caret) {
  // With no text before the caret the line is empty and the result would go
  // to the start of the text.
  if (caret == 0) return PickExpression({}, 0, 0, settings_.空格分式);
  const std::size_t lineBreak = box_.RFindBytes(text::kCrLf, caret);
  const std::size_t lineStart = lineBreak == text::npos ? 0 : lineBreak + 2;
  std::size_t lineEnd = box_.FindBytes(text::kCrLf, lineStart);
  if (lineEnd == text::npos) lineEnd = box_.Size();
  // The view stays valid while PickExpression reads it: nothing touches the box.
  return PickExpression(box_.Slice(lineStart, lineEnd), lineStart, caret, settings_.空格分式);
}

Worksheet::LineOutcome Worksheet::EvaluateLine(bool mayRepair) {
  if (box_.Size() == 0) return LineOutcome::Empty;
  resultWritten_ = false;
  const ExpressionPick pick = PickAtCaret(box_.Caret());
  // The caret waits at the insertion point; a diagnostic leaves it there.
  PlaceCaret(box_, pick.insertPos);
  if (pendingLineCut_) {
    CutLine(pick);
    return LineOutcome::NotWritten;
  }
  lineHasNoEquals_ = pick.lineHasNoEquals;
  if (evaluationMode_ == engine::EvaluationMode::ConversionCheck) return RemoveShownResult(pick);
  // The last part of a computed chain is its value: the chain is rebuilt,
  // never continued with another "=".
  const engine::Options options = EngineOptions();
  if (!pick.lineHasNoEquals && IsShownValue(pick.exprText, options.thousandsSeparator)) {
    valueReached_ = true;
    return LineOutcome::RefreshWanted;
  }

  const engine::Outcome outcome = engine::Evaluate(pick.exprText, options, workspace_);
  switch (outcome.status) {
    case engine::Status::Empty:
      return LineOutcome::Empty;
    case engine::Status::Unrecognised:
      if (mayRepair && TextLineBreaksInconsistent()) return LineOutcome::RepairWanted;
      host_.SetStatusText(outcome.text);
      return LineOutcome::Failed;
    case engine::Status::Message:
      host_.SetStatusText(outcome.text);
      return LineOutcome::Failed;
    case engine::Status::Result:
      valueReached_ = true;
      return WriteBack(pick, outcome);
  }
  return LineOutcome::NotWritten;
}

bool Worksheet::TextLineBreaksInconsistent() {
  if (!lineBreaks_.inconsistent) lineBreaks_.inconsistent = LineBreaksInconsistent(box_.Text());
  return *lineBreaks_.inconsistent;
}

void Worksheet::CutLine(const ExpressionPick& pick) {
  pendingLineCut_ = false;
  cutLineText_ = std::string(box_.Slice(pick.cutStart, pick.insertPos));
  if (cutLineText_.empty()) return;  // the caret already stands where the text would be
  box_.SetCaret(pick.cutStart);
  box_.SetSelectionLength(cutLineText_.size());
  box_.ReplaceSelection({});
}

Worksheet::LineOutcome Worksheet::RemoveShownResult(const ExpressionPick& pick) {
  const engine::ShownResultCheck check = engine::CheckShownResult(pick.exprText);
  if (check.status == engine::Status::Empty) return LineOutcome::Empty;
  if (check.status == engine::Status::Message) {
    host_.SetStatusText(check.text);
    return LineOutcome::Failed;
  }
  detectedFractionForm_ = check.next;
  // A value with no "=" before it is not a result; there is nothing to convert.
  if (pick.lastEquals == text::npos) return LineOutcome::NotWritten;
  // The "=" and the shown value, exactly as they stand in the line.
  box_.SetCaret(pick.lastEquals);
  box_.SetSelectionLength(pick.insertPos - pick.lastEquals);
  box_.ReplaceSelection({});
  return LineOutcome::Written;
}

}  // namespace tl::sheet
