// "&C.复制" and "&E.复制(兼容)": with nothing selected they copy the caret's
// line; the compatible copy also writes "×", "÷" and "π" as other programs
// read them.
#include <string>

#include "sheet/line/line_span.h"
#include "sheet/worksheet/worksheet.h"
#include "text/gbk.h"

namespace tl::sheet {

std::string Worksheet::SelectionOrLine() {
  if (box_.SelectionLength() > 0) return std::string(SelectedText(box_));
  const std::size_t caret = box_.Caret();
  return std::string(box_.Slice(AfterLineFeedBefore(box_, caret), CarriageReturnFrom(box_, caret)));
}

void Worksheet::CopyLine() {
  host_.SetClipboardText(SelectionOrLine());
}

void Worksheet::CopyCompatible() {
  std::string copied = text::ReplaceAll(SelectionOrLine(), "×", "*");
  copied = text::ReplaceAll(copied, "÷", "/");
  host_.SetClipboardText(text::ReplaceAll(copied, "π", "pi"));
}

}  // namespace tl::sheet
