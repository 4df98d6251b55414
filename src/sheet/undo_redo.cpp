// Undo and redo over the worksheet's snapshots.
#include "sheet/worksheet.h"

namespace tl::sheet {

void Worksheet::RecordSnapshot() {
  if (!history_) return;
  if (doNotRecord_) {
    doNotRecord_ = false;
    return;
  }
  snapshotPending_ = true;
}

void Worksheet::EndUserAction() {
  if (!history_ || !snapshotPending_) return;
  snapshotPending_ = false;
  history_->Record(box_.Text(), static_cast<std::int64_t>(box_.Caret()),
                   UndoHistory::LimitFor(settings_.撤销设置));
}

void Worksheet::StartNewHistory() {
  if (!history_) return;
  snapshotPending_ = false;
  doNotRecord_ = false;
  history_.emplace();
  history_->Record(box_.Text(), static_cast<std::int64_t>(box_.Caret()),
                   UndoHistory::LimitFor(settings_.撤销设置));
}

CommandResult Worksheet::Undo() {
  if (!history_) return CommandResult::NoUndoHistory;
  if (const Snapshot* snapshot = history_->Undo()) RestoreSnapshot(*snapshot);
  return CommandResult::Done;
}

CommandResult Worksheet::Redo() {
  if (!history_) return CommandResult::NoUndoHistory;
  if (const Snapshot* snapshot = history_->Redo()) RestoreSnapshot(*snapshot);
  return CommandResult::Done;
}

void Worksheet::RestoreSnapshot(const Snapshot& snapshot) {
  // The restored text is a snapshot already: its content change records
  // nothing. The flag is raised only here, where that change follows at once;
  // raised with nothing to restore it would leave the user's next edit out of
  // the history, and a redo would then overwrite that edit.
  doNotRecord_ = true;
  box_.SetText(snapshot.text);
  PlaceCaret(box_, static_cast<std::size_t>(snapshot.caret));
}

}  // namespace tl::sheet
