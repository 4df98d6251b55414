// The mouse on the worksheet: a double-click selects the number or operator
// at the caret (or the line, when text was selected), and releasing the left
// button with Alt copies the selection below.
#include <string>

#include "sheet/line/line_span.h"
#include "sheet/worksheet/worksheet.h"
#include "text/gbk.h"

namespace tl::sheet {

namespace {
bool IsNumberByte(char c) {
  return (c >= '0' && c <= '9') || c == '.';
}

// Double-clicked, these are selected on their own.
constexpr std::string_view kWideOperators[] = {"×", "÷", "‰"};
constexpr std::string_view kOperatorBytes = "-+*=/^%";
}  // namespace

void Worksheet::OnLeftButtonDown() {
  EndUserAction();
  selectionAtPress_ = box_.SelectionLength() > 0;
}

void Worksheet::OnDoubleClick() {
  if (selectionAtPress_) {
    SelectLine();
    return;
  }
  const std::size_t caret = box_.Caret();
  if (caret == 0) return;
  std::size_t start = caret - 1;  // the anchor: the byte before the caret
  std::size_t end = caret;
  if (IsNumberByte(ByteAt(box_, start))) {
    // Digits and "." are never second bytes, so the run is found byte by byte.
    while (start > 0 && IsNumberByte(ByteAt(box_, start - 1))) --start;
    while (IsNumberByte(ByteAt(box_, end))) ++end;
    // A "-" that no number stands before is the run's sign.
    if (start > 0 && ByteAt(box_, start - 1) == '-' &&
        (start == 1 || !IsNumberByte(ByteAt(box_, start - 2)))) {
      --start;
    }
  } else {
    start = CharacterBefore(box_, caret);
    const std::string_view before = box_.Slice(start, caret);
    bool selectable = false;
    for (const std::string_view wide : kWideOperators) selectable = selectable || before == wide;
    if (before.size() == 1 && kOperatorBytes.find(before[0]) != std::string_view::npos) {
      selectable = true;
    }
    if (!selectable) return;
  }
  PlaceCaret(box_, start);
  box_.SetSelectionLength(end - start);
  if (settings_.双击复制) host_.SetClipboardText(SelectedText(box_));
}

void Worksheet::OnLeftButtonUp(int modifiers) {
  if (modifiers == kAlt) CopySelectionBelow();
  EndUserAction();
}

void Worksheet::CopySelectionBelow() {
  const std::string selected(SelectedText(box_));
  const std::size_t lineBreak = box_.FindBytes(text::kCrLf, box_.Caret());
  std::size_t copyAt;
  if (lineBreak != text::npos) {
    copyAt = lineBreak + text::kCrLf.size();
    PlaceCaret(box_, copyAt);
    box_.ReplaceSelection(selected + std::string(text::kCrLf));
  } else {
    copyAt = box_.Size() + text::kCrLf.size();
    PlaceCaret(box_, box_.Size());
    box_.ReplaceSelection(std::string(text::kCrLf) + selected + std::string(text::kCrLf));
  }
  PlaceCaret(box_, copyAt + selected.size());
}

}  // namespace tl::sheet
