#pragma once
// Worksheet texts in tests: "\n" stands for the worksheet's CR LF and "|"
// marks the caret.
#include <string>
#include <string_view>

#include "sheet/seams/edit_box.h"
#include "text/gbk.h"

namespace tl::sheet {

inline std::string SheetText(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '\n') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

// Loads a test text and puts the caret at its "|".
inline void LoadWithCaret(EditBox& box, std::string_view text) {
  std::string sheet = SheetText(text);
  const std::size_t caret = text::Find(sheet, "|");
  if (caret != text::npos) sheet.erase(caret, 1);
  box.SetText(sheet);
  PlaceCaret(box, caret == text::npos ? 0 : caret);
}

// The text with "|" at the caret.
inline std::string WithCaret(EditBox& box) {
  std::string sheet(box.Text());
  return sheet.insert(box.Caret(), "|");
}

}  // namespace tl::sheet
