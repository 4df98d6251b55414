// What the worksheet does on every content change (the status prompt, the
// rewrites of what was typed, the undo snapshot) and the caret-position
// message.
#include "sheet/status_messages.h"
#include "sheet/worksheet.h"
#include "text/gbk.h"

namespace tl::sheet {

void Worksheet::OnContentChanged() {
  if (!writeKeepsLineBreaks_) lineBreaks_ = {};
  writeKeepsLineBreaks_ = false;  // a rewrite's change below is a change of its own
  if (!settings_.动态刷新) host_.SetStatusText(ContentPrompt());
  // A rewrite raises a content change of its own, handled in full before
  // this one goes on.
  RewriteTyping();
  RecordSnapshot();
  RewriteNotebookKeys();
}

std::string_view Worksheet::ContentPrompt() {
  if (settings_.回车换行) return msg::kPressCtrlEnter;
  const std::size_t caret = box_.Caret();
  const std::size_t from = caret > 0 ? caret - 1 : 0;
  // An "=" between the byte before the caret and the end of its line.
  std::size_t lineEnd = box_.FindBytes("\r", from);
  if (lineEnd == text::npos) lineEnd = box_.Size();
  const bool edited = box_.Slice(from, lineEnd).find('=') != text::npos;
  return edited ? msg::kEditedPressEnter : msg::kTypedPressEnter;
}

void Worksheet::ShowCaretPosition() {
  ShowCaretPositionFrom({});
}

void Worksheet::ShowCaretPositionFrom(LineBreakMark mark) {
  if (const auto place = LocateCaret(box_, box_.Caret(), mark)) {
    host_.SetCaretPositionStatus(place->line, place->column);
  }
}

}  // namespace tl::sheet
