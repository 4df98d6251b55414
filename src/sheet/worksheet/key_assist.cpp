// Keys that do more than the edit box would: wide spaces with 空格分式,
// NumLock as a delete key, and with 成对括号 the main-keyboard digits released
// as brackets and operators.
#include "sheet/line/line_span.h"
#include "sheet/worksheet/worksheet.h"

namespace tl::sheet {

namespace {
constexpr std::string_view kWideSpace = "  ";

struct DigitSymbol {
  int key;
  std::string_view symbol;
};

// Virtual-key codes of the main keyboard's digits; the keypad has its own
// codes and is left alone.
constexpr DigitSymbol kDigitSymbols[] = {
    {vk::Digit(0), ")"}, {vk::Digit(1), "!"}, {vk::Digit(5), "%"},
    {vk::Digit(6), "^"}, {vk::Digit(9), "("},
};
}  // namespace

bool Worksheet::AssistKeyDown(int key) {
  if (key == vk::kNumLock) {
    // The press has just switched NumLock; switch it back on and delete
    // through a Backspace press on every second pass (the program's own
    // NumLock press passes here too).
    if (!host_.IsNumLockOn()) host_.SendKey(vk::kNumLock);
    if (numLockFlag_) host_.SendKey(vk::kBack);
    numLockFlag_ = !numLockFlag_;
    return false;
  }
  if (!settings_.空格分式) return false;
  if (key == vk::kSpace) {
    box_.ReplaceSelection(kWideSpace);
    swallowCharacter_ = ' ';
    return true;
  }
  const std::size_t caret = box_.Caret();
  if (key == vk::kBack && caret >= kWideSpace.size() &&
      box_.Slice(caret - kWideSpace.size(), caret) == kWideSpace) {
    PlaceCaret(box_, caret - kWideSpace.size());
    box_.SetSelectionLength(kWideSpace.size());
    box_.ReplaceSelection({});
    swallowCharacter_ = vk::kBack;
    return true;
  }
  return false;
}

void Worksheet::ReplaceReleasedDigit(int key, int modifiers, bool typedNothing) {
  if (!settings_.成对括号) return;
  // With Ctrl or Alt held at its press or its release the key typed nothing
  // (Ctrl+digit sets the decimals), so there is no digit to replace: the
  // character before the caret is the user's own.
  if (typedNothing || (modifiers & (kCtrl | kAlt)) != 0) return;
  for (const DigitSymbol& digit : kDigitSymbols) {
    if (digit.key != key) continue;
    const std::size_t caret = box_.Caret();
    // A line break before the caret stays whole.
    if (caret == 0 || ByteAt(box_, caret - 1) == '\n') return;
    const std::size_t start = CharacterBefore(box_, caret);
    // The shifted key typed the symbol itself: nothing to change.
    if (box_.Slice(start, caret) == digit.symbol) return;
    PlaceCaret(box_, start);
    box_.SetSelectionLength(caret - start);
    box_.ReplaceSelection(digit.symbol);
    return;
  }
}

}  // namespace tl::sheet
