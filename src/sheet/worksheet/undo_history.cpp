#include "sheet/worksheet/undo_history.h"

#include <algorithm>

namespace tl::sheet {

namespace {
constexpr std::size_t kDefaultLimit = 50;
constexpr std::size_t kMaximumLimit = 500;
}  // namespace

std::size_t UndoHistory::LimitFor(int setting) {
  if (setting < 1) return kDefaultLimit;
  return std::min(static_cast<std::size_t>(setting), kMaximumLimit);
}

void UndoHistory::Record(std::string_view text, std::int64_t caret, std::size_t limit) {
  snapshots_.resize(cursor_);
  while (!snapshots_.empty() && snapshots_.size() >= limit) snapshots_.pop_front();
  snapshots_.push_back(Snapshot{std::string(text), caret});
  cursor_ = snapshots_.size();
}

const Snapshot* UndoHistory::Undo() {
  if (cursor_ <= 1) return nullptr;
  --cursor_;
  return &snapshots_[cursor_ - 1];
}

const Snapshot* UndoHistory::Redo() {
  if (cursor_ >= snapshots_.size()) return nullptr;
  ++cursor_;
  return &snapshots_[cursor_ - 1];
}

}  // namespace tl::sheet
