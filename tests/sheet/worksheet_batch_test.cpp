// "&F.批量运算" and "&F.分数转换".
#include "engine/engine.h"
#include "sheet/status_messages.h"
#include "sheet/worksheet_fixture.h"

namespace tl::sheet {
namespace {

void StaticSpaces(settings::Settings& s) {
  s.动态刷新 = false;
  s.空格分式 = true;
}

TEST(WorksheetBatch, EvaluatesEveryLineFromTheTop) {
  const Action batch = Do(Command::BatchEvaluate);
  RunScenarios({
      {"three lines",
       "1+1\n2×3\n5÷2|",
       Live,
       {batch},
       "1|+1=2\n2×3=6\n5÷2=2.5",
       msg::BatchDone(3, 0)},
      {"a computed line keeps its value",
       "1+1=2|\n",
       Live,
       {batch},
       "1|+1=2\n",
       msg::BatchDone(1, 0)},
      {"a malformed line does not stop the pass",
       "1+1\n1+\n2+2",
       Live,
       {batch},
       "1|+1=2\n1+\n2+2=4",
       msg::BatchDone(3, 1)},
      {"a bare number or an empty line is not counted",
       "1+1\n\n5",
       Static,
       {batch},
       "1|+1=2\n\n5",
       msg::BatchDone(1, 0)},
      {"an empty sheet", "", Live, {batch}, "|", msg::BatchDone(0, 0)},
      // Offset 1 falls inside a first two-byte character; the line is still
      // evaluated.
      {"a first line starting with Chinese",
       "单价3×4\n1+1",
       Live,
       {batch},
       "|单价3×4=12\n1+1=2",
       msg::BatchDone(2, 0)},
  });
}

TEST(WorksheetBatch, WithSpacesEveryExpressionOfALineIsEvaluated) {
  const Action batch = Do(Command::BatchEvaluate);
  RunScenarios({
      {"two on a line",
       "1+1  2×3\n5÷2",
       StaticSpaces,
       {batch},
       "1|+1=2   2×3=6\n5÷2=2.5",
       msg::BatchDone(2, 0)},
      // A failing expression leaves the caret behind itself, so the next one
      // on the same line is still reached.
      {"a malformed one in the middle",
       "1+   2+2  3+3",
       StaticSpaces,
       {batch},
       "1|+   2+2=4   3+3=6",
       msg::BatchDone(1, 1)},
      {"spaces at the end", "1+1   \n", StaticSpaces, {batch}, "1|+1=2   \n", msg::BatchDone(1, 0)},
  });
}

TEST(WorksheetBatch, CaretPositionIsCountedAlongTheLines) {
  struct Case {
    std::string_view name;
    std::string_view text;
    std::string_view lastPosition;  // the message before the batch's count
  };
  const Case cases[] = {
      // The last line has nothing to evaluate, so its position stays shown.
      {"a blank last line", "1+1\n2+2\n3\n  ", "   [当前位置] _ 行: 4,列: 1"},
      {"an empty last line", "1\n2\n3\n4\n", "   [当前位置] _ 行: 5,列: 1"},
  };
  for (const Case& c : cases) {
    SheetFixture f(c.text, Live);
    f.Run(Command::BatchEvaluate);
    EXPECT_EQ(f.host.PreviousStatusText(), c.lastPosition) << c.name;
  }
}

// The in-memory box, counting how often the whole text is read.
class TextReadCountingBox final : public EditBox {
 public:
  explicit TextReadCountingBox(std::string_view text) : box_(std::string(text)) {
    box_.SetContentChangedHandler([this] { NotifyContentChanged(); });
  }
  std::string_view Text() override {
    ++wholeTextReads;
    return box_.Text();
  }
  void SetText(std::string_view text) override { box_.SetText(text); }
  std::size_t Caret() const override { return box_.Caret(); }
  void SetCaret(std::size_t position) override { box_.SetCaret(position); }
  std::size_t SelectionLength() const override { return box_.SelectionLength(); }
  void SetSelectionLength(std::size_t length) override { box_.SetSelectionLength(length); }
  void ReplaceSelection(std::string_view text) override { box_.ReplaceSelection(text); }
  std::size_t Size() override { return box_.Size(); }
  std::string_view Slice(std::size_t begin, std::size_t end) override {
    return box_.Slice(begin, end);
  }
  std::size_t FindBytes(std::string_view needle, std::size_t from) override {
    return box_.FindBytes(needle, from);
  }
  std::size_t RFindBytes(std::string_view needle, std::size_t end) override {
    return box_.RFindBytes(needle, end);
  }

  std::size_t wholeTextReads = 0;

 private:
  MemoryEditBox box_;
};

// Every line with an unrecognised character asks whether the line breaks need
// a repair; the results written in between cannot change the answer, so the
// whole text is read for it once, not once a line.
TEST(WorksheetBatch, LineBreaksAreCheckedOnceForTheWholePass) {
  struct Case {
    std::string_view name;
    std::string_view end;  // after 100 lines "1+1" and "note"
    std::size_t wholeTextReads;
  };
  const Case cases[] = {
      {"consistent", "", 1},
      // No line break at the end: inconsistent, and a repair gives the same
      // text back (a read for the repair, one to compare).
      {"nothing to repair", "1+1", 3},
  };
  for (const Case& c : cases) {
    std::string text;
    for (int k = 0; k < 100; ++k) text += "1+1\r\nnote\r\n";
    text += c.end;
    TextReadCountingBox box(text);
    HeadlessHost host;
    settings::Settings settings;
    Static(settings);
    Worksheet sheet(box, host, settings, WorksheetOptions{.undoHistory = false});
    box.wholeTextReads = 0;
    sheet.Execute(Command::BatchEvaluate);
    EXPECT_EQ(box.wholeTextReads, c.wholeTextReads) << c.name;
    std::string expected;
    for (int k = 0; k < 100; ++k) expected += "1+1=2\r\nnote\r\n";
    expected += c.end.empty() ? "" : "1+1=2";
    EXPECT_EQ(box.Text(), expected) << c.name;
  }
}

TEST(WorksheetFraction, ConversionCyclesTheShownResult) {
  SheetFixture f("5÷4=1.25|", Static);
  const std::string_view cycle[] = {"5÷4=5∟4|", "5÷4=1∟1∟4|", "5÷4=1.25|"};
  for (const std::string_view expected : cycle) {
    f.Run(Command::FractionConversion);
    EXPECT_EQ(f.Shown(), expected);
    EXPECT_EQ(f.sheet->EvaluationMode(), engine::EvaluationMode::Normal);
  }
  EXPECT_EQ(f.sheet->DetectedFractionForm(), engine::FractionForm::Decimal);
}

TEST(WorksheetFraction, ConversionCasesAndRefusals) {
  const Action convert = Do(Command::FractionConversion);
  RunScenarios({
      {"below one: decimal and fraction",
       "1÷4=0.25|",
       Live,
       {convert, convert},
       "1÷4=0.25|",
       msg::kRefreshed},
      {"an integer stays", "1+2=3|", Live, {convert}, "1+2=3|", msg::kRefreshed},
      {"a negative value", "1÷2-1=-0.5|", Live, {convert}, "1÷2-1=-1∟2|", msg::kRefreshed},
      {"the last value of a chain",
       "1+2=3÷4=0.75|",
       Live,
       {convert},
       "1+2=3÷4=3∟4|",
       msg::kRefreshed},
      {"a chain's last value", "1+2=3+4=7|", Live, {convert}, "1+2=3+4=7|", msg::kRefreshed},
      {"full-width digits go whole", "5÷4=１.２５|", Live, {convert}, "5÷4=5∟4|", msg::kRefreshed},
      {"not computed", "1+2|", Live, {convert}, "1+2|", engine::msg::kComputeFirst},
      {"ending with =", "1+2=|", Live, {convert}, "1+2=|", engine::msg::kComputeFirst},
      {"too many parts", "1=1∟2∟3∟4|", Live, {convert}, "1=1∟2∟3∟4|", engine::msg::kFractionFormat},
      {"a value with no = before it", "0.5|", Live, {convert}, "0.5|", ""},
      {"separators are accepted",
       "1234.5+0=1,234.5|",
       Live,
       {convert},
       "1234.5+0=2469∟2|",
       msg::kRefreshed},
  });
}

}  // namespace
}  // namespace tl::sheet
