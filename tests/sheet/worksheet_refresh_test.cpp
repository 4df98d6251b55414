// Computed chains: the expression after the last "=", `refresh line`, the
// live refresh of a finished chain, and the line-break repair.
#include "engine/engine.h"
#include "sheet/status_messages.h"
#include "sheet/worksheet_fixture.h"

namespace tl::sheet {
namespace {

const std::string kElapsedZero = msg::Elapsed(0);

TEST(WorksheetChain, AComputedChainIsRebuiltNeverExtended) {
  RunScenarios({
      {"Enter inside the chain", "1+2=3+|4=7", Static, {Enter()}, "1+2=3+4=7|", msg::kRefreshed},
      {"a key in live mode", "1+2=3+4=7|", Live, {Press(vk::kEnd)}, "1+2=3+4=7|", msg::kRefreshed},
      {"a continuation after the last value",
       "1+2=3+4=7+1|",
       Static,
       {Enter()},
       "1+2=3+4=7+1=8|",
       kElapsedZero},
      {"a stale chain",
       "1+25|+3=6+1+2+3=12",
       Static,
       {Enter()},
       "1+25+3=29+1+2+3=35|",
       msg::kRefreshed},
      {"four parts",
       "1+2=9+4=1+5=1|",
       Static,
       {Do(Command::RefreshLine)},
       "1+2=3+4=7+5=12|",
       msg::kRefreshed},
      {"four parts already right",
       "1+2=3+4=7+5=12|",
       Static,
       {Do(Command::RefreshLine)},
       "1+2=3+4=7+5=12|",
       msg::kRefreshed},
      {"a lone point behind =", "1+2=.|", Static, {Enter()}, "1+2=3|", msg::kRefreshed},
      {"a negative value shown", "1-|4=-3", Static, {Enter()}, "1-4=-3|", msg::kRefreshed},
      // Behind "=" only what a result could read is a value to rebuild.
      {"no result has two points",
       "658.863=7.772966528921.87|",
       Static,
       {Enter()},
       "658.863=7.772966528921.87|",
       engine::msg::kTooManyPoints},
  });
}

TEST(WorksheetChain, RefreshLineStripsOldValuesAndEvaluatesPieceByPiece) {
  const Action f5 = Do(Command::RefreshLine);
  RunScenarios({
      {"caret inside the line",
       "1+25|+3=6+1+2+3=12",
       Live,
       {f5},
       "1+25+3=29+1+2+3=35|",
       msg::kRefreshed},
      {"no = in the line", "1+2|", Live, {f5}, "1+2|", ""},
      {"thousands separators", "1000×2=2,000|", Live, {f5}, "1000×2=2000|", msg::kRefreshed},
      {"an exponent of a result",
       "3÷20000000=1.5×10^-7|",
       Live,
       {f5},
       "3÷20000000=1.5×10^-007|",
       msg::kRefreshed},
      {"a power of ten the user wrote", "1+1=5×10^3|", Live, {f5}, "1+1=2×10^3|", msg::kRefreshed},
      {"a mixed number", "1+1∟2=1∟1∟2|", Live, {f5}, "1+1∟2=1.5|", msg::kRefreshed},
      {"a trailing operator stays", "1+2=3+|", Live, {f5}, "1+2=3+|", msg::kRefreshed},
      {"a middle part fails", "1+2=3+×=5|", Live, {f5}, "1+2=3+×=5|", msg::kRefreshFailed},
      {"spaces in the line", "1 + 2 = 4|", Live, {f5}, "1 + 2=3| ", msg::kRefreshed},
      {"failure puts spaces back too", "1+ =5|", Live, {f5}, "1+ =5|", msg::kRefreshFailed},
      {"only this line",
       "1+1=5\n2+2=5|\n3+3=5",
       Live,
       {f5},
       "1+1=5\n2+2=4|\n3+3=5",
       msg::kRefreshed},
      {"an empty sheet", "|", Live, {f5}, "|", ""},
  });
}

void SpaceSeparated(settings::Settings& s) {
  s.动态刷新 = true;
  s.空格分式 = true;
}

TEST(WorksheetChain, SpaceSeparatedExpressionsAreEvaluatedOneAtATime) {
  RunScenarios({
      {"the expression at the caret",
       "1+1|  2+2",
       SpaceSeparated,
       {Enter()},
       "1+1=2|   2+2",
       kElapsedZero},
      {"the last expression", "1+1  2+2|", SpaceSeparated, {Enter()}, "1+1  2+2=4|", kElapsedZero},
      {"refresh of one expression",
       "1+1=5 2|+2=5",
       SpaceSeparated,
       {Do(Command::RefreshLine)},
       "1+1=5 2+2=4|",
       msg::kRefreshed},
  });
}

TEST(WorksheetChain, UnrecognisedCharacterRepairsLineBreaksOnce) {
  struct Case {
    std::string_view name;
    std::string text;
    std::size_t caret;
    std::string expected;
  };
  const Case cases[] = {
      {"consistent text", "1+x\r\n", 3, "1+x\r\n"},
      {"a lone LF is repaired first", "1\n1+x", 5, "1\r\n1+x"},
      {"a tab with a lone CR", "1+x\t\r\r\n", 3, "1+x \r\n"},
      // Still inconsistent after the repair (no line break at the end): the
      // character is reported instead of repairing again and again.
      {"nothing to repair", "1+x", 3, "1+x"},
  };
  for (const Case& c : cases) {
    SheetFixture f("", Static);
    f.box.SetText(c.text);
    PlaceCaret(f.box, c.caret);
    f.Enter();
    EXPECT_EQ(f.box.Text(), c.expected) << c.name;
    EXPECT_EQ(f.host.StatusText(), engine::msg::kUnrecognised) << c.name;
  }
}

// The answer of the line-break check is kept between lines, but not past a
// change of the text.
TEST(WorksheetChain, LineBreakCheckSeesTheChangesAfterIt) {
  SheetFixture f("", Static);
  f.box.SetText("1+x\r\n2+x\r\n");
  PlaceCaret(f.box, 3);
  f.Enter();  // consistent: the character is reported, nothing repaired
  EXPECT_EQ(f.box.Text(), "1+x\r\n2+x\r\n");
  PlaceCaret(f.box, 7);
  f.box.ReplaceSelection("\n");  // a lone LF, as a paste could bring one
  PlaceCaret(f.box, 9);
  f.Enter();
  EXPECT_EQ(f.box.Text(), "1+x\r\n2+\r\nx\r\n");
  EXPECT_EQ(f.host.StatusText(), engine::msg::kUnrecognised);
}

TEST(WorksheetChain, RepairCommandNormalisesLineBreaksAndKeepsTheCaret) {
  SheetFixture f("", Static);
  f.box.SetText("1\n2\t3\r4");
  PlaceCaret(f.box, 4);
  f.Run(Command::RepairDocument);
  EXPECT_EQ(f.box.Text(), "1\r\n2 34");
  EXPECT_EQ(f.box.Caret(), 4u);
}

}  // namespace
}  // namespace tl::sheet
