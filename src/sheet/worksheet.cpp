#include "sheet/worksheet.h"

#include <string>

#include "sheet/edit_operations.h"
#include "sheet/status_messages.h"

namespace tl::sheet {

Worksheet::Worksheet(EditBox& box, Host& host, settings::Settings& settings,
                     WorksheetOptions options)
    : box_(box), host_(host), settings_(settings) {
  if (options.undoHistory) {
    history_.emplace();
    history_->Record(box_.Text(), static_cast<std::int64_t>(box_.Caret()),
                     UndoHistory::LimitFor(settings_.撤销设置));
  }
  box_.SetContentChangedHandler([this] { OnContentChanged(); });
  ApplyMenuStates();
}

Worksheet::~Worksheet() {
  box_.SetContentChangedHandler({});
}

CommandResult Worksheet::Execute(Command command) {
  switch (command) {
    case Command::Undo:
      return Undo();
    case Command::Redo:
      return Redo();
    case Command::Record:
      return ToggleRecord();
    case Command::ClearAccumulator:
      return ClearAccumulator();
    case Command::Cut:
      CutSelection(box_, host_);
      break;
    case Command::Paste:
      PasteClipboard(box_, host_);
      break;
    case Command::SelectAll:
      SelectAll(box_);
      break;
    case Command::PasteResult:
      PasteResult();
      break;
    case Command::RepairDocument:
      RepairDocument();
      break;
    case Command::RefreshLine:
      RefreshLine();
      break;
    case Command::LiveMode:
      ToggleLiveMode();
      break;
    case Command::FractionConversion:
      ConvertFraction();
      break;
    case Command::BatchEvaluate:
      BatchEvaluate();
      break;
    default:
      return CommandResult::NotBuilt;
  }
  // The right-click menu takes the focus; give it back to the worksheet.
  host_.FocusEditBox();
  return CommandResult::Done;
}

void Worksheet::Insert(std::string_view text) {
  if (!text.empty()) box_.ReplaceSelection(text);
}

void Worksheet::PasteResult() {
  Insert(lastResultText_);
}

void Worksheet::RepairDocument() {
  const std::size_t caret = box_.Caret();
  std::string repaired = RepairLineBreaks(box_.Text());
  if (repaired == box_.Text()) return;
  ++repairs_;
  box_.SetText(repaired);
  PlaceCaret(box_, caret);
}

void Worksheet::ApplyMenuStates() {
  const bool live = settings_.动态刷新;
  host_.SetMenuItemState(Command::LiveMode, {live, true});
  host_.SetMenuItemState(Command::Record, {recording_, !live});
  host_.SetMenuItemState(Command::Accumulator, {false, !live});
  host_.SetMenuItemState(Command::ClearAccumulator, {false, !live});
}

void Worksheet::ToggleLiveMode() {
  settings_.动态刷新 = !settings_.动态刷新;
  recording_ = false;
  ApplyMenuStates();
}

CommandResult Worksheet::ToggleRecord() {
  if (settings_.动态刷新) return CommandResult::Disabled;
  recording_ = !recording_;
  ApplyMenuStates();
  return CommandResult::Done;
}

CommandResult Worksheet::ClearAccumulator() {
  if (settings_.动态刷新) return CommandResult::Disabled;
  MessageBoxRequest question{std::string(msg::kClearAccumulatorQuestion),
                             std::string(msg::kClearAccumulatorTitle), MessageBoxButtons::OkCancel,
                             MessageBoxIcon::Warning, MessageBoxAnswer::Cancel};
  if (host_.ShowMessageBox(question) == MessageBoxAnswer::Ok) accumulator_.clear();
  return CommandResult::Done;
}

void Worksheet::AppendRecord(std::string_view expression, std::string_view result) {
  const int sequence = static_cast<int>(accumulator_.size()) + 1;
  accumulator_.push_back({sequence, std::string(expression), std::string(result)});
}

}  // namespace tl::sheet
