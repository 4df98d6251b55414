// Keys with a second meaning: the main-keyboard digits with 成对括号, wide
// spaces with 空格分式, and NumLock as a delete key.
#include "sheet/worksheet_fixture.h"

namespace tl::sheet {
namespace {

void Static(settings::Settings& s) {
  s.动态刷新 = false;
  s.自动替换 = false;
  s.乘除替换 = false;
}
void Brackets(settings::Settings& s) {
  Static(s);
  s.成对括号 = true;
}
void WideSpaces(settings::Settings& s) {
  Static(s);
  s.空格分式 = true;
}

Action Digit(int digit, int modifiers = kNoModifier) {
  return Press(vk::Digit(digit), modifiers);
}
Action KeypadDigit(int digit) {
  return [digit](SheetFixture& f) { f.Press(vk::kNumpad0 + digit, kNoModifier, '0' + digit); };
}
Action TypeDigit(int digit) {
  return [digit](SheetFixture& f) { f.Press(vk::Digit(digit), kNoModifier, '0' + digit); };
}
Action KeyDown(int key, int modifiers) {
  return [key, modifiers](SheetFixture& f) { f.sheet->OnKeyDown(key, modifiers); };
}
// A key released with no key down before it: what the hook sees when the
// key's character went elsewhere (an input method).
Action Release(int key, int modifiers = kNoModifier) {
  return [key, modifiers](SheetFixture& f) { f.sheet->OnKeyUp(key, modifiers); };
}

struct KeyCase {
  std::string_view name;
  std::string_view text;
  Configure configure;
  std::vector<Action> actions;
  std::string_view expected;
};

void RunKeys(const std::vector<KeyCase>& cases) {
  for (const KeyCase& c : cases) {
    SheetFixture f(c.text, c.configure);
    for (const Action& action : c.actions) action(f);
    EXPECT_EQ(f.Shown(), c.expected) << c.name;
  }
}

TEST(KeyboardAssist, MainKeyboardDigitsGiveSymbols) {
  RunKeys({
      {"9 and 0 are brackets", "|", Brackets, {TypeDigit(9), TypeDigit(2), TypeDigit(0)}, "(2)|"},
      {"1, 5, 6", "|", Brackets, {TypeDigit(3), TypeDigit(1), TypeDigit(5), TypeDigit(6)}, "3!%^|"},
      {"other digits stay", "|", Brackets, {TypeDigit(2), TypeDigit(3), TypeDigit(7)}, "237|"},
      {"the keypad stays", "|", Brackets, {KeypadDigit(1), KeypadDigit(9), KeypadDigit(0)}, "190|"},
      {"off", "|", Static, {TypeDigit(9), TypeDigit(0)}, "90|"},
      {"5 twice is per mille", "|", Brackets, {TypeDigit(5), TypeDigit(5)}, "‰|"},
      {"the character before is replaced whatever it is",
       "1×|",
       Brackets,
       {Release(vk::k0)},
       "1)|"},
      {"a line break stays whole", "1\n|2", Brackets, {Release(vk::k0)}, "1\n|2"},
      {"nothing before the caret", "|2", Brackets, {Release(vk::k0)}, "|2"},
      {"Ctrl+5 sets decimals only", "1+2|", Brackets, {Digit(5, kCtrl)}, "1+2|"},
      {"Alt+9 types nothing to replace", "1×|", Brackets, {Release(vk::Digit(9), kAlt)}, "1×|"},
      {"Ctrl let go before the 5 it set decimals with",
       "1+2|",
       Brackets,
       {KeyDown(vk::Digit(5), kCtrl), Release(vk::Digit(5))},
       "1+2|"},
  });
}

TEST(KeyboardAssist, AShiftedDigitLeavesNothingToUndo) {
  SheetFixture f("1|", Brackets);
  f.Press(vk::Digit(9), kShift, '(');
  f.Run(Command::Undo);
  EXPECT_EQ(f.Shown(), "1|");
}

TEST(KeyboardAssist, WideSpaces) {
  RunKeys({
      {"space types two", "1|", WideSpaces, {Type(" ")}, "1  |"},
      {"backspace takes both", "1  |", WideSpaces, {Type("\b")}, "1|"},
      {"one space goes alone", "1 |", WideSpaces, {Type("\b")}, "1|"},
      {"three spaces leave one", "1   |", WideSpaces, {Type("\b")}, "1 |"},
      {"off", "1  |", Static, {Type(" \b")}, "1  |"},
  });
}

// A menu shortcut is the window's accelerator: its menu command runs, not the
// edit box's own key (which would copy nothing without a selection).
TEST(KeyboardAssist, ShortcutsRunTheirMenuCommand) {
  SheetFixture f("1+1|\n2", Static);
  f.Press('C', kCtrl);
  EXPECT_EQ(f.host.ClipboardText(), "1+1");
  EXPECT_EQ(f.Shown(), "1+1|\n2");
}

TEST(KeyboardAssist, NumLockDeletesAndStaysOn) {
  SheetFixture f("123|", Static);
  f.Press(vk::kNumLock);
  EXPECT_EQ(f.Shown(), "12|");
  EXPECT_TRUE(f.host.IsNumLockOn());
  f.Press(vk::kNumLock);
  EXPECT_EQ(f.Shown(), "1|");
  EXPECT_TRUE(f.host.IsNumLockOn());
}

TEST(KeyboardAssist, NumLockSwitchedOnFirstDeletesFromTheSecondPress) {
  SheetFixture f("123|", Static);
  f.host.SetNumLock(false);
  f.Press(vk::kNumLock);  // switches it on
  EXPECT_EQ(f.Shown(), "123|");
  EXPECT_TRUE(f.host.IsNumLockOn());
  f.Press(vk::kNumLock);
  EXPECT_EQ(f.Shown(), "12|");
  f.Press(vk::kNumLock);
  EXPECT_EQ(f.Shown(), "1|");
  EXPECT_TRUE(f.host.IsNumLockOn());
}

}  // namespace
}  // namespace tl::sheet
