#pragma once
// `run`'s evaluation: "&F.批量运算" over a worksheet text that arrives piece
// by piece, handed on piece by piece.
//
// When the outcome cannot differ, the text is evaluated in pieces of whole
// lines as it arrives, each in a worksheet of its own: line by line (空格分式
// off) only the line-break check of an unrecognised character reaches beyond
// the line, and it gives the same answer for every piece as for the whole
// text when no CR or LF stands alone and a repair could change nothing (the
// text ends with a line break, or holds no tab). Any other text is evaluated
// whole, in one worksheet, once all of it has arrived.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "cli/batch_host.h"
#include "files/text_stream.h"
#include "settings/settings.h"

namespace tl::cli {

// The longest line evaluated: the engine works with about fifty times the
// length of the line it evaluates.
inline constexpr std::size_t kMaxLineBytes = std::size_t{4} << 20;

// With 空格分式 the batch takes at most this many steps, as the window's does.
inline constexpr std::size_t kSegmentSteps = 5000;

// Whether the text the facts describe is evaluated in pieces.
bool EvaluatesInPieces(const files::TextFacts& facts, const settings::Settings& settings);

// Where the batch's walk over space-separated expressions stands after
// kSegmentSteps steps over `text` as it is after the batch, or npos when it
// has reached the end by then. The walk over the evaluated text takes the
// same steps as over the text being evaluated: a result sits where the caret
// jumps over it, and the spaces written after it are stepped over one by one.
std::size_t SegmentWalkEnd(std::string_view text);

struct BatchTotals {
  std::size_t failedLines = 0;
  // The 1-based line from which the text was left as it was because the
  // batch ran out of steps; 0 when it got to the end.
  std::size_t stoppedAtLine = 0;
};

// The batch over a worksheet text (GBK, CR LF) taken in order, in worksheets
// made without undo history; the evaluated text is handed to `emit` in order.
class BatchRun {
 public:
  using Emit = std::function<void(std::string_view)>;
  // `wholeBytes`: the size of a text evaluated whole, to hold it with room
  // for its results.
  BatchRun(bool whole, std::size_t wholeBytes, settings::Settings& settings, Progress& progress,
           Emit emit);
  void Add(std::string_view text);
  BatchTotals Finish();

 private:
  void EvaluatePiece(std::string_view text);
  void EvaluateWhole();

  bool whole_;
  settings::Settings& settings_;
  Progress& progress_;
  Emit emit_;
  std::string pending_;         // text not evaluated yet
  std::size_t searchFrom_ = 0;  // in pending_: no piece ends before here
  std::size_t evaluated_ = 0;   // bytes of text evaluated so far
  BatchTotals totals_;
};

}  // namespace tl::cli
