#include "cli/batch_run.h"

#include <algorithm>

#include "sheet/seams/memory_edit_box.h"
#include "sheet/worksheet/worksheet.h"
#include "text/gbk.h"

namespace tl::cli {

namespace {

// Pieces end at the first line break after this many bytes. Small enough that
// the whole-text check of a piece costs little more than its line.
constexpr std::size_t kPieceBytes = std::size_t{4} << 10;

// A text evaluated whole is handed on in slices of this size.
constexpr std::size_t kSliceBytes = std::size_t{64} << 10;

std::size_t BatchEvaluateBox(sheet::MemoryEditBox& box, settings::Settings& settings,
                             Progress& progress) {
  BatchHost host(box, settings.空格分式, progress);
  sheet::Worksheet worksheet(box, host, settings, sheet::WorksheetOptions{.undoHistory = false});
  worksheet.Execute(sheet::Command::BatchEvaluate);
  return host.FailedLines();
}

std::size_t LineOf(std::string_view text, std::size_t position) {
  return static_cast<std::size_t>(std::count(text.begin(), text.begin() + position, '\n')) + 1;
}

}  // namespace

bool EvaluatesInPieces(const files::TextFacts& facts, const settings::Settings& settings) {
  return !settings.空格分式 && facts.onlyCrLfBreaks && (facts.endsWithCrLf || !facts.tabs);
}

std::size_t SegmentWalkEnd(std::string_view text) {
  // Offset 1, moved back to the start of a two-byte character.
  std::size_t caret =
      text.size() > 1 && text::IsLeadByte(text[0]) ? 0 : std::min<std::size_t>(1, text.size());
  for (std::size_t step = 0; step < kSegmentSteps; ++step) {
    if (caret == text.size()) return text::npos;
    const char before = caret > 0 ? text[caret - 1] : '\0';
    if (before == ' ' || (before == '\r' && text[caret] == '\n')) {
      ++caret;
      continue;
    }
    // An evaluation: on after the next space of the line, else between the CR
    // and the LF of its line break, else to the end.
    const std::size_t from = caret > 0 ? caret - 1 : 0;
    std::size_t lineEnd = text.find(text::kCrLf, from);
    if (lineEnd == text::npos) lineEnd = text.size();
    const std::size_t space = text.substr(from, lineEnd - from).find(' ');
    caret = space != text::npos ? from + space + 1 : lineEnd == text.size() ? lineEnd : lineEnd + 1;
  }
  return caret;
}

BatchRun::BatchRun(bool whole, std::size_t wholeBytes, settings::Settings& settings,
                   Progress& progress, Emit emit)
    : whole_(whole), settings_(settings), progress_(progress), emit_(std::move(emit)) {
  // Results make a text about a quarter longer; held with that room, the
  // worksheet's text grows in place.
  if (whole_) pending_.reserve(wholeBytes + wholeBytes / 4);
}

void BatchRun::Add(std::string_view text) {
  pending_.append(text);
  if (whole_) return;
  std::size_t start = 0;
  for (;;) {
    const std::size_t from = std::max(searchFrom_, start + kPieceBytes - 1);
    const std::size_t lineBreak = pending_.find(text::kCrLf, from);
    if (lineBreak == text::npos) {
      // A CR at the end may be the first half of a line break.
      searchFrom_ = std::max(from, std::max<std::size_t>(pending_.size(), 1) - 1);
      break;
    }
    EvaluatePiece(std::string_view(pending_).substr(start, lineBreak + 2 - start));
    start = lineBreak + 2;
    searchFrom_ = 0;
  }
  pending_.erase(0, start);
  searchFrom_ -= start;
}

void BatchRun::EvaluatePiece(std::string_view text) {
  // Every piece after the first starts with an empty line, so that its own
  // first line is reached from a line break as in the whole text; the empty
  // line is evaluated as nothing and taken off again.
  const bool first = evaluated_ == 0;
  std::string piece(first ? "" : text::kCrLf);
  piece.append(text);
  sheet::MemoryEditBox box(std::move(piece));
  progress_.StartPiece(evaluated_);
  totals_.failedLines += BatchEvaluateBox(box, settings_, progress_);
  emit_(box.Text().substr(first ? 0 : text::kCrLf.size()));
  evaluated_ += text.size();
}

void BatchRun::EvaluateWhole() {
  sheet::MemoryEditBox box(std::move(pending_));
  pending_.clear();
  progress_.StartPiece(0);
  totals_.failedLines = BatchEvaluateBox(box, settings_, progress_);
  const std::string_view text = box.Text();
  if (settings_.空格分式) {
    const std::size_t end = SegmentWalkEnd(text);
    if (end != text::npos && text.find_first_not_of(" \r\n", end) != text::npos) {
      totals_.stoppedAtLine = LineOf(text, end);
    }
  }
  for (std::size_t p = 0; p < text.size(); p += kSliceBytes) emit_(text.substr(p, kSliceBytes));
}

BatchTotals BatchRun::Finish() {
  if (whole_) {
    EvaluateWhole();
  } else if (!pending_.empty()) {
    EvaluatePiece(pending_);
    pending_.clear();
  }
  progress_.Finish();
  return totals_;
}

}  // namespace tl::cli
