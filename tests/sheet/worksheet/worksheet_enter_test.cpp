// Enter, the write-back and the status prompts.
#include "engine/engine.h"
#include "sheet/worksheet/status_messages.h"
#include "sheet/worksheet_fixture.h"

namespace tl::sheet {
namespace {

const std::string kElapsedZero = msg::Elapsed(0);

void EnterBreaksLines(settings::Settings& s) {
  s.动态刷新 = false;
  s.回车换行 = true;
}
void PasteAfter(settings::Settings& s) {
  s.动态刷新 = false;
  s.换行粘贴结果 = true;
}
void BothAfter(settings::Settings& s) {
  s.动态刷新 = false;
  s.换行粘贴结果 = true;
  s.运算换行变量 = true;
}
void BothAfterCtrlEnter(settings::Settings& s) {
  BothAfter(s);
  s.回车换行 = true;
}

TEST(WorksheetEnter, ShortPressEvaluatesOrBreaksTheLine) {
  RunScenarios({
      {"evaluates the line", "1+2|", Static, {Enter()}, "1+2=3|", kElapsedZero},
      {"caret inside the line", "1|2+3", Static, {Enter()}, "12+3=15|", kElapsedZero},
      {"line ending with =", "1+2=|", Static, {Enter()}, "1+2=3|", kElapsedZero},
      {"a chain continues", "1+2=3+4|\n", Static, {Enter()}, "1+2=3+4=7|\n", kElapsedZero},
      {"behind a result with a line below",
       "1+2=3|\n",
       Static,
       {Enter()},
       "1+2=3\n|\n",
       msg::kTypedPressEnter},
      {"separators in the finished value",
       "1000+1=1,001|\n",
       Static,
       {Enter()},
       "1000+1=1,001\n|\n",
       msg::kTypedPressEnter},
      {"behind a fraction", "2÷3=2∟3|", Static, {Enter()}, "2÷3=2∟3\n|", msg::kTypedPressEnter},
      {"behind a power of ten",
       "10^20=1×10^020|\n",
       Static,
       {Enter()},
       "10^20=1×10^020\n|\n",
       msg::kTypedPressEnter},
      {"start of an empty line", "1\n|\n2", Static, {Enter()}, "1\n\n|\n2", msg::kTypedPressEnter},
      {"behind a result on the last line",
       "1+2=3|",
       Static,
       {Enter()},
       "1+2=3\n|",
       msg::kTypedPressEnter},
      {"a stale result is rebuilt", "2×|4=6", Static, {Enter()}, "2×4=8|", msg::kRefreshed},
      {"a bare number", "5|", Static, {Enter()}, "5|", msg::kNoOperator},
      {"a line showing its own value", "-3|", Static, {Enter()}, "-3|", msg::kTypedPressEnter},
      {"a malformed line keeps its text",
       "1+|\n",
       Static,
       {Enter()},
       "1+|\n",
       engine::msg::kMissingOperand},
      {"a labelled number on its own line",
       "押金 3000|",
       Static,
       {Enter()},
       "押金 3000|",
       msg::kNoOperator},
      {"a labelled number behind a chain",
       "1+2=押金 3000|",
       Static,
       {Enter()},
       "1+2=押金 3000=3000|",
       kElapsedZero},
      {"no text before the caret: no line", "|1+2", Static, {Enter()}, "|1+2", ""},
      {"Ctrl+Enter breaks the line",
       "1+2|",
       Static,
       {CtrlEnter()},
       "1+2\n|",
       msg::kTypedPressEnter},
      {"回车换行: Enter breaks the line",
       "1+2|",
       EnterBreaksLines,
       {Enter()},
       "1+2\n|",
       msg::kPressCtrlEnter},
      {"回车换行: Ctrl+Enter evaluates",
       "1+2|",
       EnterBreaksLines,
       {CtrlEnter()},
       "1+2=3|",
       kElapsedZero},
  });
}

TEST(WorksheetEnter, OptionsAfterAnEvaluationRunInTheirOrder) {
  RunScenarios({
      {"break and paste", "2×3|", PasteAfter, {Enter()}, "2×3=6\n6|", kElapsedZero},
      {"paste, then break", "2×3|", BothAfter, {Enter()}, "2×3=6\n6\n|", kElapsedZero},
      {"break, then paste", "2×3|", BothAfterCtrlEnter, {CtrlEnter()}, "2×3=6\n\n6|", kElapsedZero},
      {"nothing after a failure", "2×|", BothAfter, {Enter()}, "2×|", engine::msg::kMissingOperand},
  });
}

TEST(WorksheetEnter, HoldingEnterBreaksLinesEvery350Ms) {
  RunScenarios({
      // The timer breaks the line at 350 ms; at the release the caret starts
      // a line, which takes a second break.
      {"held 400 ms", "1+2|\n", Static, {HoldEnter(400)}, "1+2\n\n|\n", msg::kTypedPressEnter},
      {"held 800 ms on the last line",
       "1+2|",
       Static,
       {HoldEnter(800)},
       "1+2\n\n\n|",
       msg::kTypedPressEnter},
      {"released before 350 ms", "1+2|", Static, {HoldEnter(349)}, "1+2=3|", kElapsedZero},
  });
}

TEST(WorksheetEnter, TimingMessageWritesSecondsByTheNumberRule) {
  EXPECT_EQ(msg::Elapsed(16), "   [运算完成]_用时 0.016 秒");
  EXPECT_EQ(msg::Elapsed(2500), "   [运算完成]_用时 2.5 秒");
  EXPECT_EQ(kElapsedZero, "   [运算完成]_用时 0 秒");
}

TEST(WorksheetEnter, ResultGoesToTheClipboardAndIsKeptForPasting) {
  SheetFixture f("1+2|\n\n", [](settings::Settings& s) {
    s.动态刷新 = false;
    s.结果到粘贴板 = true;
  });
  f.Enter();
  EXPECT_EQ(f.host.ClipboardText(), "3");
  EXPECT_EQ(f.sheet->LastResultText(), "3");
  f.Press(vk::kDown);
  EXPECT_EQ(f.Run(Command::PasteResult), CommandResult::Done);
  EXPECT_EQ(f.Shown(), "1+2=3\n3|\n");
}

TEST(WorksheetEnter, TypingANumberBehindAFinishedResultStartsTheNextLine) {
  RunScenarios({
      {"a digit", "1+2=3|\n", Static, {Type("7")}, "1+2=3\n7|\n", msg::kTypedPressEnter},
      {"a point", "1+2=3|\n", Static, {Type(".")}, "1+2=3\n.|\n", msg::kTypedPressEnter},
      {"an operator continues the chain",
       "1+2=3|\n",
       Static,
       {Type("+")},
       "1+2=3+|\n",
       msg::kTypedPressEnter},
      {"on the last line too", "1+2=3|", Static, {Type("7")}, "1+2=3\n7|", msg::kTypedPressEnter},
      {"behind a fraction",
       "2÷3=2∟3|\n",
       Static,
       {Type("7")},
       "2÷3=2∟3\n7|\n",
       msg::kTypedPressEnter},
      {"not behind a value",
       "1+2=3+4|\n",
       Static,
       {Type("5")},
       "1+2=3+45|\n",
       msg::kTypedPressEnter},
  });
}

TEST(WorksheetEnter, ContentChangesPromptUnlessLiveModeIsOn) {
  RunScenarios({
      {"typing a new line", "|", Static, {Type("1")}, "1|", msg::kTypedPressEnter},
      {"editing before a result", "1|=3", Static, {Type("2")}, "12|=3", msg::kEditedPressEnter},
      {"an = on the next line does not count",
       "1|\n=3",
       Static,
       {Type("2")},
       "12|\n=3",
       msg::kTypedPressEnter},
      {"typing an =", "1+2|", Static, {Type("=")}, "1+2=|", msg::kEditedPressEnter},
      {"回车换行", "|", EnterBreaksLines, {Type("1")}, "1|", msg::kPressCtrlEnter},
      {"live mode", "|", Live, {Type("1")}, "1|", msg::kNoOperator},
  });
}

TEST(WorksheetEnter, LiveModeEvaluatesAfterEveryKeyAndKeepsTheCaret) {
  RunScenarios({
      {"typing", "|", Live, {Type("1+2")}, "1+2|=3", msg::kRefreshed},
      // "1+2×3=3" shows a stale value, so the line is rebuilt.
      {"typing on", "|", Live, {Type("1+2×3")}, "1+2×3|=7", msg::kRefreshed},
      {"Ctrl+Z is not a trigger", "1+2|", Live, {Press('Z', kCtrl)}, "1+2|", ""},
      {"nor any other shortcut", "1+2|", Live, {Press('V', kCtrl)}, "1+2|", ""},
      {"nor is Shift", "1+2|", Live, {Press(vk::kShift, kShift)}, "1+2|", ""},
      {"nor Ctrl+C", "1+2|", Live, {Press('C', kCtrl)}, "1+2|", ""},
      {"nor NumLock",
       "1+2|",
       Live,
       {[](SheetFixture& f) { f.host.SetNumLock(false); }, Press(vk::kNumLock)},
       "1+2|",
       ""},
      {"an arrow is", "1+2|", Live, {Press(vk::kLeft)}, "1+|2=3", msg::kRefreshed},
  });
}

TEST(WorksheetEnter, LiveModeKeepsTheCaretOnItsLine) {
  RunScenarios({
      {"a shorter result",
       "2÷3=0.666666666667|",
       Live,
       {Press('3', kCtrl)},
       "2÷3=0.667|",
       msg::kRefreshed},
      {"a longer one", "2÷3=0.67|\n", Live, {Press('4', kCtrl)}, "2÷3=0.6667|\n", msg::kRefreshed},
      {"inside the line",
       "2÷|3=0.67",
       Live,
       {Press(vk::kEnd)},
       "2÷3=0.666666666667|",
       msg::kRefreshed},
  });
}

// A released key leaves a selection as it is, whichever key goes up first;
// Ctrl+Enter is decided by the key down.
TEST(WorksheetEnter, LiveModeKeepsSelectionsAndDecidesByTheKeyDown) {
  SheetFixture down("|1+2\n3", Live);
  down.Press(vk::kDown, kShift);
  EXPECT_EQ(down.box.SelectionLength(), 5u);
  struct Row {
    const char* text;
    KeyStroke press;
    std::size_t selected;
    const char* shown;
  };
  const Row rows[] = {
      {"1+2|", {'A', kCtrl}, 3, "|1+2"},
      {"1+2|", {vk::kLeft, kShift}, 1, "1+|2"},
      {"1+2|", {vk::kReturn, kCtrl, '\n'}, 0, "1+2\n|"},
  };
  for (const Row& row : rows) {
    SheetFixture f(row.text, Live);
    KeyDown(*f.sheet, f.box, f.host, row.press);
    KeyUp(*f.sheet, {row.press.key, kNoModifier, row.press.character});  // Ctrl went up first
    EXPECT_EQ(f.box.SelectionLength(), row.selected) << row.press.key;
    EXPECT_EQ(f.Shown(), row.shown) << row.press.key;
  }
}

TEST(WorksheetEnter, CtrlShortcutsOnKeyDown) {
  SheetFixture f("1÷3|", Static);
  EXPECT_TRUE(f.sheet->OnKeyDown(vk::Digit(5), kCtrl));
  EXPECT_EQ(f.settings.运算精度设置, 5);
  f.Enter();
  EXPECT_EQ(f.Shown(), "1÷3=0.33333|");
  EXPECT_FALSE(f.sheet->OnKeyDown(vk::Digit(5), kShift));
  EXPECT_FALSE(f.sheet->OnKeyDown(vk::kNumpad0 + 5, kCtrl));  // the keypad's digits are not taken
  EXPECT_EQ(f.settings.运算精度设置, 5);
  EXPECT_TRUE(f.sheet->OnKeyDown(vk::kOemMinus, kCtrl));
  EXPECT_TRUE(f.sheet->OnKeyDown(vk::kOemMinus, kCtrl));
  EXPECT_TRUE(f.sheet->OnKeyDown(vk::kOemPlus, kCtrl));
  EXPECT_EQ(f.host.FontSizeChange(), -2);
}

TEST(WorksheetEnter, EnterKeyDownStartsTheHoldTimerAndIsSwallowed) {
  SheetFixture f("1+2|", Static);
  EXPECT_TRUE(f.sheet->OnKeyDown(vk::kReturn, kNoModifier));
  EXPECT_TRUE(f.host.EnterTimerRunning());
  EXPECT_EQ(f.host.FocusRequests(), 1);
  EXPECT_TRUE(f.sheet->OnCharacter('\r'));
  f.sheet->OnKeyUp(vk::kReturn, kNoModifier);
  EXPECT_FALSE(f.host.EnterTimerRunning());
  EXPECT_EQ(f.Shown(), "1+2=3|");
}

TEST(WorksheetEnter, CaretPositionCountsLinesAndBytes) {
  SheetFixture f("ab\nc|d", Static);
  f.sheet->ShowCaretPosition();
  EXPECT_EQ(f.host.StatusText(), "   [当前位置] _ 行: 2,列: 2");
  SheetFixture empty("", Static);
  empty.host.SetStatusText("before");
  empty.sheet->ShowCaretPosition();
  EXPECT_EQ(empty.host.StatusText(), "before");
}

}  // namespace
}  // namespace tl::sheet
