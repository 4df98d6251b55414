// "&F.批量运算": evaluates every line, or with 空格分式 every space-separated
// expression, from the top of the sheet.
#include "sheet/status_messages.h"
#include "sheet/worksheet.h"
#include "text/gbk.h"

namespace tl::sheet {

namespace {
// The walk over space-separated expressions is bounded by a number of steps.
constexpr int kSegmentSteps = 5000;
}  // namespace

void Worksheet::BatchTally::Count(LineOutcome outcome) {
  lineEvaluated = lineEvaluated || outcome == LineOutcome::Written ||
                  outcome == LineOutcome::Refreshed || outcome == LineOutcome::Failed;
  lineFailed = lineFailed || outcome == LineOutcome::Failed;
}

void Worksheet::BatchTally::EndLine() {
  if (lineEvaluated) ++evaluated;
  if (lineFailed) ++failed;
  lineEvaluated = false;
  lineFailed = false;
}

void Worksheet::BatchEvaluate() {
  // Behind the first character the caret is on the first line (at offset 0
  // there would be no text before it, and so no line). That is offset 1,
  // unless the first character has two bytes: offset 1 would fall back to 0
  // and the first line would be passed over.
  PlaceCaret(box_, text::NextChar(box_.Slice(0, 2), 0));
  BatchTally tally;
  if (settings_.空格分式) {
    BatchEvaluateSegments(tally);
  } else {
    BatchEvaluateLines(tally);
  }
  PlaceCaret(box_, 1);
  // A line that failed keeps its text: the count tells that there is one.
  host_.SetStatusText(msg::BatchDone(tally.evaluated, tally.failed));
}

void Worksheet::BatchEvaluateLines(BatchTally& tally) {
  // The line count of the caret-position message is carried along from line
  // to line; only a line-break repair makes it count from the top again.
  LineBreakMark mark;
  for (;;) {
    ShowCaretPositionFrom(mark);
    const std::size_t repairsBefore = repairs_;
    tally.Count(EvaluateCaretLine());
    tally.EndLine();
    if (repairs_ != repairsBefore) mark = {};
    const std::size_t caret = box_.Caret();
    const std::size_t lineBreak = box_.FindBytes(text::kCrLf, caret > 0 ? caret - 1 : 0);
    if (lineBreak == text::npos) return;
    mark = AdvanceMark(box_, mark, lineBreak + 2);
    PlaceCaret(box_, lineBreak + 2);
  }
}

void Worksheet::BatchEvaluateSegments(BatchTally& tally) {
  for (int step = 0; step < kSegmentSteps; ++step) {
    const std::size_t caret = box_.Caret();
    const std::size_t size = box_.Size();
    const char before = caret > 0 ? ByteAt(box_, caret - 1) : '\0';
    if (before == ' ' || (before == '\r' && ByteAt(box_, caret) == '\n')) {
      // Into the next line after its CR: the line before is done.
      if (before == '\r') tally.EndLine();
      PlaceCaret(box_, caret + 1);
    } else {
      tally.Count(EvaluateCaretLine());
      // On to the next expression: after the next space of this line, else
      // between the CR and the LF of its line break, else the end of the text.
      const std::size_t written = box_.Caret();
      const std::size_t from = written > 0 ? written - 1 : 0;
      const std::size_t lineBreak = box_.FindBytes(text::kCrLf, from);
      const std::size_t lineEnd = lineBreak == text::npos ? box_.Size() : lineBreak;
      const std::size_t space = box_.Slice(from, lineEnd).find(' ');
      if (space != text::npos) {
        PlaceCaret(box_, from + space + 1);
      } else {
        PlaceCaret(box_, lineBreak == text::npos ? box_.Size() : lineBreak + 1);
      }
    }
    // Where the caret cannot advance, every further step repeats this one.
    if (box_.Caret() == caret && box_.Size() == size) break;
  }
  tally.EndLine();
}

}  // namespace tl::sheet
