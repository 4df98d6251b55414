// Commands of the right-click menu that work on lines: the function
// templates, the separator line, select line, delete line, and clear all.
#include <array>
#include <string>

#include "sheet/line/function_templates.h"
#include "sheet/line/line_span.h"
#include "sheet/worksheet/worksheet.h"
#include "text/gbk.h"

namespace tl::sheet {

namespace {
constexpr int kEmptySheetLines = 31;
constexpr int kSeparatorLength = 106;
constexpr std::string_view kSeparatorCharacter = "━";

using enum Command;
constexpr std::array kTemplates = {
    FunctionTemplate{InsertSin, "sin()", 1},   FunctionTemplate{InsertSinh, "sinh()", 1},
    FunctionTemplate{InsertAsin, "asin()", 1}, FunctionTemplate{InsertAsinh, "asinh()", 1},
    FunctionTemplate{InsertCos, "cos()", 1},   FunctionTemplate{InsertCosh, "cosh()", 1},
    FunctionTemplate{InsertAcos, "acos()", 1}, FunctionTemplate{InsertAcosh, "acosh()", 1},
    FunctionTemplate{InsertTan, "tan()", 1},   FunctionTemplate{InsertTanh, "tanh()", 1},
    FunctionTemplate{InsertAtan, "atan()", 1}, FunctionTemplate{InsertAtanh, "atanh()", 1},
    FunctionTemplate{InsertLg, "lg()", 1},     FunctionTemplate{InsertLog, "log(,)", 2},
    FunctionTemplate{InsertLn, "ln()", 1},     FunctionTemplate{InsertInt, "int()", 1},
};
}  // namespace

std::string EmptySheetText() {
  std::string text;
  for (int i = 0; i < kEmptySheetLines; ++i) text += text::kCrLf;
  return text;
}

const FunctionTemplate* FunctionTemplateOf(Command command) {
  for (const FunctionTemplate& entry : kTemplates) {
    if (entry.command == command) return &entry;
  }
  return nullptr;
}

bool Worksheet::InsertFunctionTemplate(Command command) {
  const FunctionTemplate* entry = FunctionTemplateOf(command);
  if (!entry) return false;
  box_.ReplaceSelection(entry->text);
  PlaceCaret(box_, box_.Caret() - entry->caretBack);
  return true;
}

void Worksheet::InsertSeparatorLine() {
  std::string separator(text::kCrLf);
  for (int i = 0; i < kSeparatorLength; ++i) separator += kSeparatorCharacter;
  separator += text::kCrLf;
  box_.ReplaceSelection(separator);
}

void Worksheet::SelectLine() {
  // Both searches start from the byte before the caret, so at the start of a
  // line the line feed just before the caret is not seen and the line above
  // is selected as well.
  const std::size_t caret = box_.Caret();
  const std::size_t start = caret > 0 ? AfterLineFeedBefore(box_, caret - 1) : 0;
  const std::size_t end = CarriageReturnFrom(box_, caret > 0 ? caret - 1 : 0);
  PlaceCaret(box_, start);
  box_.SetSelectionLength(end - start);
}

void Worksheet::DeleteLine() {
  // Only the caret's own line goes, even at its start: the wider range of
  // select line would take the line above with it.
  const std::size_t caret = box_.Caret();
  const std::size_t start = AfterLineFeedBefore(box_, caret);
  const std::size_t end = CarriageReturnFrom(box_, caret);
  if (start == end) return;
  PlaceCaret(box_, start);
  box_.SetSelectionLength(end - start);
  box_.ReplaceSelection({});
}

void Worksheet::ClearAll() {
  box_.SetText(EmptySheetText());
}

}  // namespace tl::sheet
