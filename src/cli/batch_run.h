#pragma once
// `run`'s evaluation: "&F.批量运算" over a whole worksheet text.
//
// When the outcome cannot differ, the text is evaluated in pieces of whole
// lines, each in a worksheet of its own: line by line (空格分式 off) only the
// line-break check of an unrecognised character reaches beyond the line, and
// it gives the same answer for every piece as for the whole text when no CR
// or LF stands alone and a repair could change nothing (the text ends with a
// line break, or holds no tab).
// Any other text is evaluated whole, up to kMaxWholeSheetBytes.
#include <cstddef>
#include <string>

#include "cli/batch_host.h"
#include "settings/settings.h"

namespace tl::cli {

// The largest text evaluated in one worksheet (with 空格分式, or line breaks
// the worksheet would repair).
inline constexpr std::size_t kMaxWholeSheetBytes = std::size_t{8} << 20;

// The longest line evaluated: the engine works with about fifty times the
// length of the line it evaluates.
inline constexpr std::size_t kMaxLineBytes = std::size_t{4} << 20;

// With 空格分式 the batch takes at most this many steps, as the window's does.
inline constexpr std::size_t kSegmentSteps = 5000;

struct BatchResult {
  std::string text;  // the text after the evaluation
  std::size_t failedLines = 0;
  // The 1-based line from which the text was left as it was because the
  // batch ran out of steps; 0 when it got to the end.
  std::size_t stoppedAtLine = 0;
  std::string error;  // why the text is refused, UTF-8; empty on success
};

// Where the batch's walk over space-separated expressions stands after
// kSegmentSteps steps over `text` as it is after the batch, or npos when it
// has reached the end by then. The walk over the evaluated text takes the
// same steps as over the text being evaluated: a result sits where the caret
// jumps over it, and the spaces written after it are stepped over one by one.
std::size_t SegmentWalkEnd(std::string_view text);

// Batch-evaluates a worksheet text (GBK, CR LF) in worksheets made without
// undo history. `text` is taken over and released as it is used.
BatchResult BatchEvaluateText(std::string text, settings::Settings& settings, Progress& progress);

}  // namespace tl::cli
