// What typing turns into: the doubled keys, the typing rules, the notebook
// keys, "*" and "/" as "×" and "÷", and the last result added at a line start.
#include "sheet/worksheet/status_messages.h"
#include "sheet/worksheet_fixture.h"

namespace tl::sheet {
namespace {

void Plain(settings::Settings& s) {
  s.动态刷新 = false;
  s.自动替换 = false;
  s.乘除替换 = false;
}
void Doubled(settings::Settings& s) {
  Plain(s);
  s.自动替换 = true;
}
void DoubledShown(settings::Settings& s) {
  Doubled(s);
  s.乘除替换 = true;
}
void Notebook(settings::Settings& s) {
  Doubled(s);
  s.笔记本用户 = true;
}
void AddResult(settings::Settings& s) {
  Plain(s);
  s.按esc退出 = true;
}
void AddResultShown(settings::Settings& s) {
  AddResult(s);
  s.乘除替换 = true;
}

struct TypingCase {
  std::string_view name;
  std::string_view text;  // "|" at the caret, "\n" for CR LF
  Configure configure;
  std::vector<Action> actions;
  std::string_view expected;
};

void RunTyping(const std::vector<TypingCase>& cases) {
  for (const TypingCase& c : cases) {
    SheetFixture f(c.text, c.configure);
    for (const Action& action : c.actions) action(f);
    EXPECT_EQ(f.Shown(), c.expected) << c.name;
  }
}

TEST(InputRewrites, DoubledKeys) {
  RunTyping({
      {"** is a power", "|", Doubled, {Type("2**3")}, "2^3|"},
      {"shown as ×× first", "|", DoubledShown, {Type("2**3")}, "2^3|"},
      {"three / shown as ÷", "|", DoubledShown, {Type("///")}, "÷√|"},
      {"++ is the fraction bar", "|", Doubled, {Type("1++2")}, "1∟2|"},
      {"…… from an input method", "|", Doubled, {Type("2……")}, "2^|"},
      {".× closes a bracket", "|", DoubledShown, {Type("3.*")}, "3)|"},
      {".÷ opens a bracket", "|", DoubledShown, {Type("3./")}, "3(|"},
      {"dd leaves the caret before the angle", "1|\n", Doubled, {Type("dd")}, "1|0°0′0.0″\n"},
      {"off: kept as typed", "|", Plain, {Type("2**3++")}, "2**3++|"},
      {"off with ×÷ shown",
       "|",
       [](settings::Settings& s) {
         Plain(s);
         s.乘除替换 = true;
       },
       {Type("2**/")},
       "2××÷|"},
  });
}

TEST(InputRewrites, TypingRulesApplyWithoutTheOption) {
  RunTyping({
      {"pi", "|", Plain, {Type("2pi")}, "2π|"},
      {"Pi in any case", "|", Plain, {Type("Pi")}, "π|"},
      {"bar is a root", "|", Plain, {Type("|9")}, "√9|"},
      {"%% is per mille", "|", Plain, {Type("5%%")}, "5‰|"},
      {".. is a bracket pair", "|", Plain, {Type("2..")}, "2(|)"},
      {"full-width !", "|", Plain, {Type("5！")}, "5!|"},
      {"left quote", "1|\n2", Plain, {Type("‘")}, "1'|\n2"},
      {"three quotes are degrees", "30|\n", Plain, {Type("'''")}, "30°|\n"},
      {"two quotes and a quote mark", "|", Plain, {Type("''‘")}, "'''|"},
      {"tjfx opens its bracket", "2\n|\n", Plain, {Type("tjfx")}, "2\ntjfx(|\n"},
      {"a third % stays", "|", Doubled, {Type("5%%%")}, "5‰%|"},
  });
}

TEST(InputRewrites, PatternsMatchWholeCharactersOnly) {
  // B0 64 ends in the byte of "d", 81 7C in that of "|", 81 70 in that of
  // "p": a rule never starts on a second byte.
  RunTyping({
      {"d after a second byte d",
       "\xB0\x64|",
       Doubled,
       {Type("d")},
       "\xB0\x64"
       "d|"},
      {"a character ending in |", "1|", Plain, {Type("\x81\x7C")}, "1\x81\x7C|"},
      {"i after a character ending in p", "|", Plain, {Type("\x81\x70i")}, "\x81\x70i|"},
  });
}

TEST(InputRewrites, NotebookKeys) {
  RunTyping({
      {"= types +", "|", Notebook, {Type("3=4")}, "3+4|"},
      {"] and [ type × and ÷", "|", Notebook, {Type("6]2[3")}, "6×2÷3|"},
      {"】 and 【 from an input method", "|", Notebook, {Type("6】2【3")}, "6×2÷3|"},
      {"【 twice is a root", "|", Notebook, {Type("【【")}, "√|"},
      {"off", "|", Doubled, {Type("3=4]")}, "3=4]|"},
  });
}

TEST(InputRewrites, LastResultAtALineStart) {
  RunTyping({
      {"+ at a line start",
       "2×6|\n\n",
       AddResult,
       {Enter(), Press(vk::kDown), Type("+5")},
       "2×6=12\n12+5|\n"},
      {"- at a line start",
       "2×6|\n\n",
       AddResult,
       {Enter(), Press(vk::kDown), Type("-5")},
       "2×6=12\n12-5|\n"},
      {"* shown as ×",
       "2×6|\n\n",
       AddResultShown,
       {Enter(), Press(vk::kDown), Type("*2")},
       "2×6=12\n12×2|\n"},
      {"not on the first line",
       "|\n2×6",
       AddResult,
       {Press(vk::kDown), Press(vk::kEnd), Enter(), Press(vk::kHome, kCtrl), Type("-1")},
       "-1|\n2×6=12"},
      {"not inside a line",
       "2×6|\n7",
       AddResult,
       {Enter(), Press(vk::kDown), Type("+1")},
       "2×6=12\n7+1|"},
      {"option off", "2×6|\n\n", Plain, {Enter(), Press(vk::kDown), Type("+5")}, "2×6=12\n+5|\n"},
      {"no result yet", "1\n|", AddResult, {Type("+5")}, "1\n+5|"},
  });
}

TEST(InputRewrites, AWholeTextRewritePromptsForTheCaretAtTheStart) {
  // The rewrite of "’" replaces the whole text; its content change sees the
  // caret at 0, on the line with an "=".
  SheetFixture f("1+2=3\n|", Plain);
  f.Type("5");
  EXPECT_EQ(f.host.StatusText(), msg::kTypedPressEnter);
  f.Type("’");
  EXPECT_EQ(f.Shown(), "1+2=3\n5'|");
  EXPECT_EQ(f.host.StatusText(), msg::kEditedPressEnter);
}

TEST(InputRewrites, UndoAndRedoStepOverRewrites) {
  SheetFixture f("|", Doubled);
  f.Type("2*");
  f.Type("*");
  ASSERT_EQ(f.Shown(), "2^|");
  f.Run(Command::Undo);
  EXPECT_EQ(f.Shown(), "2*|");
  f.Run(Command::Redo);
  EXPECT_EQ(f.Shown(), "2^|");

  // A notebook key is rewritten after its own snapshot.
  SheetFixture g("6|", Notebook);
  g.Type("【");
  ASSERT_EQ(g.Shown(), "6÷|");
  g.Run(Command::Undo);
  g.Run(Command::Redo);
  EXPECT_EQ(g.Shown(), "6÷|");
}

}  // namespace
}  // namespace tl::sheet
