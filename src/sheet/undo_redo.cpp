// Undo and redo over the worksheet's snapshots.
#include "sheet/worksheet.h"

namespace tl::sheet {

void Worksheet::RecordSnapshot() {
  if (!history_) return;
  if (doNotRecord_) {
    doNotRecord_ = false;
    return;
  }
  history_->Record(box_.Text(), static_cast<std::int64_t>(box_.Caret()),
                   UndoHistory::LimitFor(settings_.撤销设置));
}

// The do-not-record flag is set even when there is nothing to undo or redo:
// the next content change is then not recorded.
CommandResult Worksheet::Undo() {
  if (!history_) return CommandResult::NoUndoHistory;
  doNotRecord_ = true;
  if (const Snapshot* snapshot = history_->Undo()) RestoreSnapshot(*snapshot);
  return CommandResult::Done;
}

CommandResult Worksheet::Redo() {
  if (!history_) return CommandResult::NoUndoHistory;
  doNotRecord_ = true;
  if (const Snapshot* snapshot = history_->Redo()) RestoreSnapshot(*snapshot);
  return CommandResult::Done;
}

void Worksheet::RestoreSnapshot(const Snapshot& snapshot) {
  // SetText's content change consumes the do-not-record flag.
  box_.SetText(snapshot.text);
  PlaceCaret(box_, static_cast<std::size_t>(snapshot.caret));
}

}  // namespace tl::sheet
