#include "sheet/worksheet.h"

#include <string>
#include <type_traits>

#include "sheet/edit_operations.h"
#include "sheet/function_templates.h"
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
}

Worksheet::~Worksheet() {
  box_.SetContentChangedHandler({});
}

namespace {
// A command's handler: a member of Worksheet, called through its pointer.
template <auto Method>
CommandResult Invoke(Worksheet& worksheet) {
  if constexpr (std::is_same_v<decltype((worksheet.*Method)()), CommandResult>) {
    return (worksheet.*Method)();
  } else {
    (worksheet.*Method)();  // a result of another kind says nothing of the command
    return CommandResult::Done;
  }
}
}  // namespace

std::span<const Worksheet::CommandHandler> Worksheet::Handlers() {
  static constexpr CommandHandler kHandlers[] = {
      {Command::Undo, &Invoke<&Worksheet::Undo>},
      {Command::Redo, &Invoke<&Worksheet::Redo>},
      {Command::Record, &Invoke<&Worksheet::ToggleRecord>},
      {Command::ClearAccumulator, &Invoke<&Worksheet::ClearAccumulator>},
      {Command::Cut, &Invoke<&Worksheet::CutToClipboard>},
      {Command::Paste, &Invoke<&Worksheet::PasteFromClipboard>},
      {Command::SelectAll, &Invoke<&Worksheet::SelectWholeText>},
      {Command::PasteResult, &Invoke<&Worksheet::PasteResult>},
      {Command::RepairDocument, &Invoke<&Worksheet::RepairDocument>},
      {Command::RefreshLine, &Invoke<&Worksheet::RefreshLine>},
      {Command::LiveMode, &Invoke<&Worksheet::ToggleLiveMode>},
      {Command::FractionConversion, &Invoke<&Worksheet::ConvertFraction>},
      {Command::BatchEvaluate, &Invoke<&Worksheet::BatchEvaluate>},
      {Command::Copy, &Invoke<&Worksheet::CopyLine>},
      {Command::CopyCompatible, &Invoke<&Worksheet::CopyCompatible>},
      {Command::SumSelectedLines, &Invoke<&Worksheet::SumSelectedLines>},
      {Command::SeparatorLine, &Invoke<&Worksheet::InsertSeparatorLine>},
      {Command::SelectLine, &Invoke<&Worksheet::SelectLine>},
      {Command::DeleteLine, &Invoke<&Worksheet::DeleteLine>},
      {Command::ClearAll, &Invoke<&Worksheet::ClearAll>},
      {Command::FindNext, &Invoke<&Worksheet::FindNextMatch>},
      {Command::FindPrevious, &Invoke<&Worksheet::FindPreviousMatch>},
      {Command::CheckResults, &Invoke<&Worksheet::SelectNextStaleResult>},
  };
  return kHandlers;
}

bool Worksheet::Handles(Command command) {
  for (const CommandHandler& handler : Handlers()) {
    if (handler.command == command) return true;
  }
  return FunctionTemplateOf(command) != nullptr;
}

CommandResult Worksheet::Execute(Command command) {
  // A change still unrecorded belongs to the action before; undo and redo
  // then start from it.
  EndUserAction();
  CommandResult result = CommandResult::NotBuilt;
  if (InsertFunctionTemplate(command)) {
    result = CommandResult::Done;
  } else {
    for (const CommandHandler& handler : Handlers())
      if (handler.command == command) result = handler.run(*this);
    if (result == CommandResult::NotBuilt) return result;
  }
  EndUserAction();
  // The right-click menu takes the focus; give it back to the worksheet.
  host_.FocusEditBox();
  return result;
}

void Worksheet::Insert(std::string_view text) {
  if (!text.empty()) box_.ReplaceSelection(text);
}

void Worksheet::PasteResult() {
  Insert(lastResultText_);
}

void Worksheet::CutToClipboard() {
  CutSelection(box_, host_);
}

void Worksheet::PasteFromClipboard() {
  PasteClipboard(box_, host_);
}

void Worksheet::SelectWholeText() {
  SelectAll(box_);
}

void Worksheet::RepairDocument() {
  if (lineBreaks_.repairChangesNothing) return;
  const std::size_t caret = box_.Caret();
  std::string repaired = RepairLineBreaks(box_.Text());
  if (repaired == box_.Text()) {
    lineBreaks_.repairChangesNothing = true;
    return;
  }
  ++repairs_;
  box_.SetText(repaired);
  PlaceCaret(box_, caret);
}

void Worksheet::FindNextMatch() {
  find_.FindNext(box_, host_);
}

void Worksheet::FindPreviousMatch() {
  find_.FindPrevious(box_, host_);
}

void Worksheet::ToggleLiveMode() {
  settings_.动态刷新 = !settings_.动态刷新;
  recording_ = false;
}

}  // namespace tl::sheet
