// Characters typed as other characters: "*" and "/" shown as "×" and "÷",
// the notebook keys, and the last result added in front of an operator typed
// at the start of a line.
#include "sheet/line/typed_signs.h"
#include "sheet/worksheet/worksheet.h"

namespace tl::sheet {

namespace {
struct TypedAs {
  Character typed;
  std::string_view inserted;
};

// With 笔记本用户: keys that sit where a notebook keyboard has no keypad.
constexpr TypedAs kNotebookCharacters[] = {{'=', "+"}, {']', "×"}, {'[', "÷"}};
}  // namespace

bool Worksheet::AssistCharacter(Character character) {
  if (const std::optional<std::string_view> sign = TypedSign(character, settings_)) {
    AddLastResultAtLineStart();
    box_.ReplaceSelection(*sign);
    return true;
  }
  if (character == '+' || character == '-') AddLastResultAtLineStart();
  if (!settings_.笔记本用户) return false;
  for (const TypedAs& key : kNotebookCharacters) {
    if (key.typed != character) continue;
    box_.ReplaceSelection(key.inserted);
    return true;
  }
  return false;
}

void Worksheet::AddLastResultAtLineStart() {
  // The option's key is "按esc退出 ": "行首按运算符时，先添加上一次的值".
  if (!settings_.按esc退出) return;
  const std::size_t caret = box_.Caret();
  if (caret > 0 && ByteAt(box_, caret - 1) == '\n') Insert(lastResultText_);
}

}  // namespace tl::sheet
