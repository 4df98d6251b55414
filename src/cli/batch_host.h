#pragma once
// The Host of `run`'s batch evaluation. Besides keeping what any headless host
// keeps, it finds the lines that failed, and reports progress.
//
// A batch evaluates one unit after another: each line, or with 空格分式 each
// space-separated expression. A unit failed when the last status message its
// evaluation wrote is an error (categories 表达式错误 and 运算错误) or the
// refresh-failed prompt. Errors met while a chain is rebuilt do not count when
// the rebuild succeeds, because the rebuild's own verdict comes last.
//
// Line by line, the caret-position message the batch writes before each line
// opens its unit. With 空格分式 the unit a message belongs to is read off the
// caret, where every evaluation leaves it: the byte after the last space
// before the caret in its line; a message for another unit closes the one
// before. The prompts that content changes write take no part: they come
// wherever the change leaves the caret (after the spaces behind a result, at 0
// after a whole-text repair) and say nothing about success.
#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <utility>

#include "sheet/host.h"
#include "sheet/memory_edit_box.h"

namespace tl::cli {

// Percentages of a text on a terminal, "\r" before each so that they
// overwrite; the text may be evaluated in pieces.
class Progress {
 public:
  // No terminal: no reports.
  Progress(std::ostream* terminal, std::size_t total) : terminal_(terminal), total_(total) {}
  void StartPiece(std::size_t offset) { offset_ = offset; }
  // `done` bytes of the current piece are evaluated.
  void Report(std::size_t done);
  // Clears the report line.
  void Finish();

 private:
  std::ostream* terminal_;
  std::size_t total_;
  std::size_t offset_ = 0;
  int shown_ = -1;
};

class BatchHost final : public sheet::Host {
 public:
  BatchHost(sheet::MemoryEditBox& box, bool spaceSeparated, Progress& progress)
      : box_(box), spaceSeparated_(spaceSeparated), progress_(progress) {}

  void SetStatusText(std::string_view text) override;
  std::string StatusText() override;
  void SetCaretPositionStatus(std::size_t line, std::size_t column) override;
  void SetClipboardText(std::string_view text) override { clipboard_ = text; }
  std::string ClipboardText() override { return clipboard_; }
  // No key is pressed during a batch.
  void StartEnterTimer(int) override {}
  void StopEnterTimer() override {}
  std::uint64_t NowMs() override { return 0; }
  sheet::MessageBoxAnswer ShowMessageBox(const sheet::MessageBoxRequest& request) override {
    return request.defaultAnswer;
  }
  void FocusEditBox() override {}
  void AdjustFontSize(int) override {}

  // Judges the last unit; the number of lines with a failed unit.
  std::size_t FailedLines();

 private:
  struct Unit {
    std::size_t lineStart = 0;
    std::size_t start = 0;
  };
  Unit UnitAtCaret();
  void Judge();

  sheet::MemoryEditBox& box_;
  bool spaceSeparated_;
  Progress& progress_;
  std::string status_;
  // When the status is a caret-position message not written yet: its line
  // and column.
  std::optional<std::pair<std::size_t, std::size_t>> caretPlace_;
  std::string verdict_;  // the current unit's last message other than a prompt
  std::string clipboard_;
  Unit unit_;
  bool unitOpen_ = false;
  std::size_t failedLines_ = 0;
  bool lineCounted_ = false;  // the current unit's line is already counted
  std::size_t countedLineStart_ = 0;
  std::size_t messages_ = 0;
};

// True for a status message that says the evaluation failed.
bool IsFailureMessage(std::string_view status);

}  // namespace tl::cli
