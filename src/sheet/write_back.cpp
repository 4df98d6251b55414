// The write-back: the last step of EvaluateCurrentLine, which decides whether
// and where the engine's result goes into the line.
#include "sheet/status_messages.h"
#include "sheet/worksheet.h"
#include "text/gbk.h"

namespace tl::sheet {

Worksheet::LineOutcome Worksheet::WriteBack(const ExpressionPick& pick,
                                            const engine::Outcome& outcome) {
  const std::string& result = outcome.text;
  // A number with labels ("押金 3000") is a bare number on a line of its own.
  if (!outcome.hasOperator || (outcome.labelledNumber && pick.lineHasNoEquals)) {
    // A bare number: behind an "=" it is the value of a chain to rebuild
    // ("1+2=." ends with one), on its own line it is only recorded.
    if (!pick.lineHasNoEquals) return LineOutcome::RefreshWanted;
    RecordOnce(pick.exprText, result);
    host_.SetStatusText(msg::kNoOperator);
    return LineOutcome::NotWritten;
  }
  // The line already shows its own value ("-3").
  if (text::EqualsWithoutSpaces(pick.exprText, result)) return LineOutcome::RefreshWanted;

  resultWritten_ = true;
  if (settings_.结果到粘贴板) host_.SetClipboardText(result);
  lastResultText_ = result;
  std::string inserted = pick.endsWithEquals ? result : "=" + result;
  inserted.append(static_cast<std::size_t>(pick.trailingSpaces), ' ');
  PlaceCaret(box_, pick.insertPos);
  // A result holds no CR, LF or tab and replaces nothing, and the insertion
  // point never falls inside a CR LF: inserted before the end of the text, it
  // changes neither the CR and LF counts, nor the last byte, nor what a
  // line-break repair would change, so the line-break findings stay.
  writeKeepsLineBreaks_ = pick.insertPos < box_.Size();
  box_.ReplaceSelection(inserted);
  writeKeepsLineBreaks_ = false;
  if (pick.trailingSpaces > 0) {
    PlaceCaret(box_, box_.Caret() - static_cast<std::size_t>(pick.trailingSpaces));
  }
  RecordOnce(pick.exprText, result);
  if (settings_.动态刷新) host_.SetStatusText(msg::kRefreshed);
  return LineOutcome::Written;
}

void Worksheet::RecordOnce(std::string_view expression, std::string_view result) {
  // A refresh that writes back the value the line already showed counted
  // that line before.
  if (!recording_ || (refreshing_ && text::EqualsWithoutSpaces(shownValue_, result))) return;
  AppendRecord(expression, result);
}

}  // namespace tl::sheet
