// Keys and characters: Enter's short and long press, the keyboard shortcuts
// taken on key down, the continuation of a finished line on typing, and the
// live refresh after a key.
#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "sheet/line/line_span.h"
#include "sheet/line/shown_value.h"
#include "sheet/worksheet/status_messages.h"
#include "sheet/worksheet/worksheet.h"
#include "text/gbk.h"

namespace tl::sheet {

namespace {
constexpr int kEnterHoldMs = 350;
constexpr int kFontStep = 2;

// Keys whose release never triggers the live refresh: the modifiers and
// NumLock; F3 with or without Shift, whose search selects the match that the
// next search starts after; F6, whose check only reads the sheet and says
// what it found; and with Ctrl the shortcuts that only select, copy, clear,
// change the font or move in the undo history. Nor does the release of any
// key whose press ran a menu command (OnShortcutKey), with or without its
// modifiers still held.
constexpr std::array kSilentKeys = {vk::kShift,   vk::kControl,    vk::kMenu,
                                    vk::kNumLock, vk::Function(3), vk::Function(6)};
constexpr std::array kSilentCtrlKeys = {vk::Letter('A'), vk::Letter('C'), vk::Letter('D'),
                                        vk::Letter('T'), vk::Letter('Y'), vk::Letter('Z')};

bool IsKeyCode(int key) {
  return key >= 0 && key < kKeyCodes;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Before a carriage return or at the end of the text.
bool AtLineEnd(EditBox& box, std::size_t caret) {
  return caret == box.Size() || ByteAt(box, caret) == '\r';
}

template <class Keys>
bool Contains(const Keys& keys, int key) {
  for (const int k : keys) {
    if (k == key) return true;
  }
  return false;
}
}  // namespace

bool Worksheet::OnKeyDown(int key, int modifiers) {
  EndUserAction();
  swallowCharacter_ = 0;
  // A press of its own: this key's release is typing again, unless a
  // modifier is held.
  if (IsKeyCode(key)) {
    shortcutKeys_.reset(static_cast<std::size_t>(key));
    chordKeys_.set(static_cast<std::size_t>(key), (modifiers & (kCtrl | kAlt)) != 0);
  }
  if (key == vk::kReturn) {
    enterModifiers_ = modifiers;
    longPress_ = false;
    host_.StartEnterTimer(kEnterHoldMs);
    host_.FocusEditBox();
    return true;
  }
  if (AssistKeyDown(key)) return true;
  if (modifiers != kCtrl) return false;
  if (key >= vk::Digit(0) && key <= vk::Digit(9)) {
    settings_.运算精度设置 = key - vk::Digit(0);
    return true;
  }
  if (key == vk::kOemMinus || key == vk::kOemPlus) {
    host_.AdjustFontSize(key == vk::kOemMinus ? -kFontStep : kFontStep);
    return true;
  }
  return false;
}

void Worksheet::OnEnterTimer() {
  longPress_ = true;
  box_.ReplaceSelection(text::kCrLf);
}

std::optional<std::string_view> Worksheet::TextAfterEquals() {
  const std::size_t caret = box_.Caret();
  // The "=" must lie wholly before the byte before the caret. One on an
  // earlier line would put a line break into the text taken, which is never
  // a number, so the caret's line is all there is to search.
  const std::size_t lineBreak = box_.RFindBytes(text::kCrLf, caret);
  const std::size_t lineStart = lineBreak == text::npos ? 0 : lineBreak + 2;
  if (caret < lineStart + 2) return std::nullopt;
  const std::string_view beforeCaret = box_.Slice(lineStart, caret);
  const std::size_t equals = beforeCaret.rfind('=', beforeCaret.size() - 2);
  if (equals == text::npos) return std::nullopt;
  return beforeCaret.substr(equals + 1);
}

bool Worksheet::FinishedNumberBeforeCaret() {
  const std::optional<std::string_view> after = TextAfterEquals();
  if (!after) return false;
  std::string taken(*after);
  std::erase_if(taken, [](char c) { return c == ',' || c == ';'; });
  return IsCanonicalNumber(taken);
}

bool Worksheet::ShownValueBeforeCaret() {
  const std::optional<std::string_view> after = TextAfterEquals();
  if (!after) return false;
  // A value in any form a result takes (grouped, zero-padded, a fraction, a
  // mixed number, "×10^"), the caret right behind its last digit: after a
  // space (空格分式) a number typed is an expression of its own.
  return IsCanonicalNumber(*after) ||
         (IsDigit(after->back()) && IsShownValue(*after, EngineOptions().thousandsSeparator));
}

bool Worksheet::OnCharacter(Character character) {
  const Character swallowed = std::exchange(swallowCharacter_, 0);
  if (swallowed != 0 && character == swallowed) return true;
  if (character == '\r' || character == '\n') return true;
  if (AssistCharacter(character)) return true;
  const bool startsNumber = (character >= '0' && character <= '9') || character == '.';
  if (startsNumber && AtLineEnd(box_, box_.Caret()) && ShownValueBeforeCaret()) {
    // A number typed behind a shown result starts the next line, on the last
    // line of the text too.
    box_.ReplaceSelection(text::kCrLf);
  }
  return false;
}

void Worksheet::OnShortcutKey(int key) {
  if (IsKeyCode(key)) shortcutKeys_.set(static_cast<std::size_t>(key));
}

void Worksheet::OnKeyUp(int key, int modifiers) {
  KeyUp(key, modifiers);
  EndUserAction();
}

void Worksheet::KeyUp(int key, int modifiers) {
  const bool ranCommand = IsKeyCode(key) && shortcutKeys_.test(static_cast<std::size_t>(key));
  if (ranCommand) shortcutKeys_.reset(static_cast<std::size_t>(key));
  const bool chord = IsKeyCode(key) && chordKeys_.test(static_cast<std::size_t>(key));
  if (chord) chordKeys_.reset(static_cast<std::size_t>(key));
  ReplaceReleasedDigit(key, modifiers, chord);
  host_.StopEnterTimer();
  if (key != vk::kReturn) {
    if (!ranCommand) LiveRefreshAfterKey(key, modifiers);
    return;
  }
  const std::size_t caret = box_.Caret();
  // A result in any form the sheet shows one (a fraction, a mixed number,
  // "×10^") is finished too: otherwise every Enter behind a fraction would
  // only refresh it, and no Enter could reach the next line.
  const bool behindResult = FinishedNumberBeforeCaret() || ShownValueBeforeCaret() ||
                            (caret > 0 && ByteAt(box_, caret - 1) == '\n');
  // At the end of the text as at the end of any other line.
  if (behindResult && AtLineEnd(box_, caret)) {
    box_.ReplaceSelection(text::kCrLf);
    LiveRefreshAfterKey(key, modifiers);
    return;
  }
  if (longPress_) {
    LiveRefreshAfterKey(key, modifiers);
    return;
  }
  const bool ctrlEnter = enterModifiers_ == kCtrl;
  if (ctrlEnter != settings_.回车换行) {
    box_.ReplaceSelection(text::kCrLf);
    return;
  }
  EvaluateByEnter();
}

void Worksheet::EvaluateByEnter() {
  const std::uint64_t started = host_.NowMs();
  evaluationMode_ = engine::EvaluationMode::Normal;
  if (!EvaluateCurrentLine()) return;
  // A true evaluation in Normal mode has written its result.
  auto pasteResult = [this] {
    if (!settings_.换行粘贴结果) return;
    box_.ReplaceSelection(text::kCrLf);
    Insert(lastResultText_);
  };
  auto breakLine = [this] {
    if (settings_.运算换行变量) box_.ReplaceSelection(text::kCrLf);
  };
  if (settings_.回车换行) {
    breakLine();
    pasteResult();
  } else {
    pasteResult();
    breakLine();
  }
  host_.ShowElapsed(started);
}

void Worksheet::LiveRefreshAfterKey(int key, int modifiers) {
  if (!settings_.动态刷新) return;
  if (Contains(kSilentKeys, key)) return;
  if (modifiers == kCtrl && Contains(kSilentCtrlKeys, key)) return;
  // A key that selected (Shift+arrows, Ctrl+A, whichever key goes up first)
  // leaves its selection for the next copy or cut.
  if (box_.SelectionLength() > 0) return;
  // The caret stays on its line: behind a shown result at the line's end it
  // stays behind the result, whatever its new length; elsewhere where it
  // was, never past the line's end.
  const std::size_t caret = box_.Caret();
  const std::size_t lineStart = AfterLineFeedBefore(box_, caret);
  const bool atLineEnd = caret == CarriageReturnFrom(box_, caret) && FinishedNumberBeforeCaret();
  EvaluateCurrentLine();
  const std::size_t lineEnd = CarriageReturnFrom(box_, lineStart);
  PlaceCaret(box_, atLineEnd ? lineEnd : std::min(caret, lineEnd));
}

}  // namespace tl::sheet
