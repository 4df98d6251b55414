#include "cli/batch_run.h"

#include <algorithm>

#include "sheet/memory_edit_box.h"
#include "sheet/worksheet.h"
#include "text/encoding.h"
#include "text/gbk.h"

namespace tl::cli {

namespace {

// Pieces end at the first line break after this many bytes. Small enough that
// the whole-text check of a piece costs little more than its line.
constexpr std::size_t kPieceBytes = std::size_t{4} << 10;

// Every CR is followed by a LF and every LF follows a CR. (Searches for one
// byte run over long stretches at once, unlike find_first_of, which searches
// the set once for every byte.)
bool OnlyCrLfBreaks(std::string_view text) {
  for (std::size_t p = text.find('\r'); p != text::npos; p = text.find('\r', p + 1)) {
    if (p + 1 == text.size() || text[p + 1] != '\n') return false;
  }
  for (std::size_t p = text.find('\n'); p != text::npos; p = text.find('\n', p + 1)) {
    if (p == 0 || text[p - 1] != '\r') return false;
  }
  return true;
}

bool EvaluatesInPieces(std::string_view text, const settings::Settings& settings) {
  if (settings.空格分式 || !OnlyCrLfBreaks(text)) return false;
  return text.ends_with(text::kCrLf) || text.find('\t') == text::npos;
}

std::size_t BatchEvaluateBox(sheet::MemoryEditBox& box, settings::Settings& settings,
                             Progress& progress) {
  BatchHost host(box, settings.空格分式, progress);
  sheet::Worksheet worksheet(box, host, settings, sheet::WorksheetOptions{.undoHistory = false});
  worksheet.Execute(sheet::Command::BatchEvaluate);
  return host.FailedLines();
}

// The 1-based number of the first line longer than `limit` bytes, 0 for none.
std::size_t FirstLineLongerThan(std::string_view text, std::size_t limit) {
  std::size_t number = 1;
  for (std::size_t start = 0; start < text.size(); ++number) {
    std::size_t end = text.find('\n', start);
    if (end == text::npos) end = text.size();
    if (end - start > limit) return number;
    start = end + 1;
  }
  return 0;
}

std::size_t LineOf(std::string_view text, std::size_t position) {
  return static_cast<std::size_t>(std::count(text.begin(), text.begin() + position, '\n')) + 1;
}

}  // namespace

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

BatchResult BatchEvaluateText(std::string text, settings::Settings& settings, Progress& progress) {
  BatchResult result;
  if (const std::size_t line = FirstLineLongerThan(text, kMaxLineBytes)) {
    result.error = "line " + std::to_string(line) + " holds more than " +
                   std::to_string(kMaxLineBytes >> 20) + " MiB, the most run takes in one line";
    return result;
  }
  if (!EvaluatesInPieces(text, settings)) {
    if (text.size() > kMaxWholeSheetBytes) {
      result.error = "with " + text::GbkToUtf8("空格分式") +
                     " on, or with line breaks to repair (a lone CR or LF, or tabs in a text "
                     "that does not end with a line break), the text is evaluated as one "
                     "worksheet, and run takes at most " +
                     std::to_string(kMaxWholeSheetBytes >> 20) + " MiB of it";
      return result;
    }
    sheet::MemoryEditBox box(text);
    std::string().swap(text);  // the box holds its own copy
    progress.StartPiece(0);
    result.failedLines = BatchEvaluateBox(box, settings, progress);
    result.text = box.Text();
    progress.Finish();
    if (settings.空格分式) {
      const std::size_t end = SegmentWalkEnd(result.text);
      if (end != text::npos && result.text.find_first_not_of(" \r\n", end) != text::npos) {
        result.stoppedAtLine = LineOf(result.text, end);
      }
    }
    return result;
  }
  result.text.reserve(text.size() + text.size() / 4);
  // Every piece after the first starts with an empty line, so that its own
  // first line is reached from a line break as in the whole text; the empty
  // line is evaluated as nothing and taken off again.
  std::string piece;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.size();
    if (start + kPieceBytes < text.size()) {
      const std::size_t lineBreak = text.find(text::kCrLf, start + kPieceBytes - 1);
      if (lineBreak != text::npos) end = lineBreak + 2;
    }
    piece.assign(start == 0 ? "" : text::kCrLf);
    piece.append(std::string_view(text).substr(start, end - start));
    sheet::MemoryEditBox box(piece);
    progress.StartPiece(start);
    result.failedLines += BatchEvaluateBox(box, settings, progress);
    result.text.append(box.Text().substr(start == 0 ? 0 : text::kCrLf.size()));
    start = end;
  }
  progress.Finish();
  return result;
}

}  // namespace tl::cli
