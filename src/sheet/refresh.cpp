// `refresh line`: cut the caret's computed chain, then rebuild it part by part
// so that every "=" is followed by the value of the chain so far.
#include <string>
#include <vector>

#include "sheet/shown_value.h"
#include "sheet/status_messages.h"
#include "sheet/worksheet.h"

namespace tl::sheet {

namespace {
std::vector<std::string_view> SplitAtEquals(std::string_view text) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t at = text.find('='); at != std::string_view::npos; at = text.find('=', start)) {
    parts.push_back(text.substr(start, at - start));
    start = at + 1;
  }
  parts.push_back(text.substr(start));
  return parts;
}

// Sets a flag for the life of a scope.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = saved_; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
  bool saved_;
};
}  // namespace

bool Worksheet::RefreshLine() {
  const FlagScope refreshing(refreshing_);
  // The rebuild takes the line out and puts its bytes back with values
  // between them: it adds and removes no CR, LF or tab, so what was known of
  // the text's line breaks holds again afterwards unless a repair ran or the
  // text's last byte changed. Kept, a pass over many computed lines with
  // unrecognised characters between them reads the whole text once.
  const LineBreakFindings findings = lineBreaks_;
  const std::size_t repairsAtStart = repairs_;
  const char lastByte = LastByte();
  const bool rebuilt = RebuildLine();
  if (repairs_ == repairsAtStart && LastByte() == lastByte) lineBreaks_ = findings;
  return rebuilt;
}

char Worksheet::LastByte() {
  const std::size_t size = box_.Size();
  return size > 0 ? ByteAt(box_, size - 1) : '\0';
}

bool Worksheet::RebuildLine() {
  // Cut the line; a cut that never happened (an empty worksheet) keeps nothing.
  cutLineText_.clear();
  pendingLineCut_ = true;
  EvaluateCurrentLine();
  pendingLineCut_ = false;
  const std::string kept = cutLineText_;

  const std::vector<std::string_view> parts = SplitAtEquals(kept);
  if (parts.size() == 1) {
    Insert(kept);
    return true;
  }
  // The first part as it is, every later one without its old value.
  std::vector<std::string_view> pieces{parts.front()};
  std::vector<std::string_view> oldValues;
  for (std::size_t i = 1; i < parts.size(); ++i) {
    pieces.push_back(StripShownValue(parts[i]));
    oldValues.push_back(parts[i].substr(0, parts[i].size() - pieces.back().size()));
  }

  // Everything the rebuild writes lands from here on, so the rebuilt text is
  // the bytes the text grows by.
  const std::size_t start = box_.Caret();
  const std::size_t sizeBefore = box_.Size();
  const std::size_t repairsBefore = repairs_;
  for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
    Insert(pieces[i]);
    valueReached_ = false;
    // The value goes where the old one stood: the same again is no new record.
    shownValue_ = oldValues[i];
    EvaluateCurrentLine();
  }
  shownValue_ = {};
  Insert(pieces.back());

  if (valueReached_) {
    host_.SetStatusText(msg::kRefreshed);
    return true;
  }
  // Put the line back exactly as it was.
  if (repairs_ == repairsBefore) {
    box_.SetCaret(start);
    box_.SetSelectionLength(box_.Size() - sizeBefore);
  } else {
    // A line-break repair moved the text: cut the line as at the start.
    pendingLineCut_ = true;
    EvaluateCurrentLine();
    pendingLineCut_ = false;
  }
  box_.ReplaceSelection(kept);
  host_.SetStatusText(msg::kRefreshFailed);
  return false;
}

}  // namespace tl::sheet
