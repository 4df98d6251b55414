#pragma once
// The worksheet's undo history: whole-text snapshots with their caret, a
// cursor on the current one, and at most a limit of them (the oldest go).
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

namespace tl::sheet {

struct Snapshot {
  std::string text;
  std::int64_t caret = 0;
};

class UndoHistory {
 public:
  // The number of snapshots kept for the 撤销设置 value: below 1 counts as
  // 50, and at most 500 are kept whatever the value.
  static std::size_t LimitFor(int setting);

  // Drops the snapshots after the cursor, then appends one and makes it
  // current, dropping the oldest while the history is full.
  void Record(std::string_view text, std::int64_t caret, std::size_t limit);
  // Moves the cursor back (forward) and returns the snapshot to restore, or
  // nullptr at the first (last) snapshot.
  const Snapshot* Undo();
  const Snapshot* Redo();

  std::size_t Count() const { return snapshots_.size(); }
  // 1-based index of the current snapshot, 0 when there is none.
  std::size_t Cursor() const { return cursor_; }

 private:
  std::deque<Snapshot> snapshots_;
  std::size_t cursor_ = 0;
};

}  // namespace tl::sheet
