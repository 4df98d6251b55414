// The accumulator's texts, its window's "确定" and "清空记录" on a worksheet,
// and "&R.求和".
#include "sheet/accumulator.h"

#include "sheet/worksheet_fixture.h"

namespace tl::sheet {
namespace {

struct CombineCase {
  AccumulatorOperation operation;
  std::string_view note;
  std::vector<std::string_view> results;
  std::string_view expected;
};

TEST(Accumulator, CombinesResultsByOperation) {
  using enum AccumulatorOperation;
  const CombineCase cases[] = {
      {Minimum, "", {"2", "-3"}, "min(2，-3)"},
      {Average, "", {"5"}, "(5)÷1"},
      {Maximum, "最高", {"2", "3"}, "max(最高 2，3)"},
      {Average, " 均 值", {"1", "3"}, "( 均 值 1+3)÷2"},
      {Sum, "  \xA1\xA1", {"2", "3"}, "2+3"},
  };
  for (const CombineCase& c : cases) {
    EXPECT_EQ(CombineResults(c.operation, c.note, c.results), c.expected) << c.expected;
  }
}

TEST(Accumulator, OperationsAndItems) {
  ASSERT_EQ(AccumulatorOperations().size(), 5u);
  EXPECT_EQ(AccumulatorOperations()[0].caption, "求和");
  EXPECT_EQ(AccumulatorOperationByCaption("最小值"), AccumulatorOperation::Minimum);
  EXPECT_EQ(AccumulatorOperationByCaption("相加"), std::nullopt);
  EXPECT_EQ(AccumulatorItemText({1, "1+2", "3"}), "1+2=3");
  EXPECT_EQ(AccumulatorItemText({2, "5", ""}), "5");
}

constexpr std::string_view kThreeSums = "1+1|\n1+2\n2+2\n";

// Records the results of kThreeSums' lines, 2, 3 and 4 (records 1, 2, 3),
// and puts the caret back at the start.
void RecordThreeSums(SheetFixture& f) {
  f.Run(Command::Record);
  for (int line = 0; line < 3; ++line) {
    f.Press(vk::kEnd);
    f.Enter();
    f.Press(vk::kDown);
  }
  f.Press(vk::kHome, kCtrl);
}

struct OkCase {
  std::string_view name;
  AccumulatorOperation operation;
  std::string_view note;
  std::vector<int> chosen;
  std::string_view expected;
};

TEST(Accumulator, OkInsertsAndEvaluatesBelowTheCaretLine) {
  using enum AccumulatorOperation;
  const OkCase cases[] = {
      {"product", Product, "", {1, 2, 3}, "1+1=2\n2×3×4=24|\n1+2=3\n2+2=4\n"},
      {"average", Average, "", {1, 2, 3}, "1+1=2\n(2+3+4)÷3=3|\n1+2=3\n2+2=4\n"},
      {"maximum", Maximum, "", {1, 2, 3}, "1+1=2\nmax(2，3，4)=4|\n1+2=3\n2+2=4\n"},
      {"a note", Sum, "小计", {1, 2}, "1+1=2\n小计 2+3=5|\n1+2=3\n2+2=4\n"},
      {"list order", Sum, "", {3, 1}, "1+1=2\n4+2=6|\n1+2=3\n2+2=4\n"},
  };
  for (const OkCase& c : cases) {
    SheetFixture f(kThreeSums, Static);
    RecordThreeSums(f);
    ASSERT_EQ(f.sheet->Accumulator().size(), 3u);
    const auto built = f.sheet->BuildAccumulatorText(c.operation, c.note, c.chosen);
    ASSERT_TRUE(built) << c.name;
    f.sheet->InsertAccumulatorResult(*built);
    EXPECT_EQ(f.Shown(), c.expected) << c.name;
  }
}

TEST(Accumulator, NothingIsBuiltFromNoRecordOrAMissingOne) {
  SheetFixture f(kThreeSums, Static);
  RecordThreeSums(f);
  EXPECT_EQ(f.sheet->BuildAccumulatorText(AccumulatorOperation::Sum, "", {}), std::nullopt);
  const std::vector<int> missing = {1, 4};
  EXPECT_EQ(f.sheet->BuildAccumulatorText(AccumulatorOperation::Sum, "", missing), std::nullopt);
  f.sheet->ClearRecords();
  const std::vector<int> first = {1};
  EXPECT_EQ(f.sheet->BuildAccumulatorText(AccumulatorOperation::Sum, "", first), std::nullopt);
}

TEST(Accumulator, OnTheLastLineTheTextGoesBelowIt) {
  SheetFixture f("1\n2+2|", Static);
  f.sheet->InsertAccumulatorResult("2×3");
  EXPECT_EQ(f.Shown(), "1\n2+2\n2×3=6|");
}

struct SumCase {
  std::string_view name;
  std::string_view text;  // "|" at the selection start
  std::size_t selection;
  std::string_view expected;
};

TEST(Summing, AddsTheShownValuesOfTheSelectedLines) {
  const SumCase cases[] = {
      {"parts of three lines", "3+|4=7\n10\n2-5=-3\n", 12, "3+4=7\n10\n2-5=-3\n7+10-3=14|\n"},
      {"an empty line adds nothing", "|3+4=7\n\n10", 9, "3+4=7\n\n10\n7+10=17|"},
      {"one line", "1+|1=2\n", 1, "1+1=2\n2|\n"},
      {"a selection ending at a line start takes that line", "|1\n2\n3", 6, "1\n2\n3\n1+2+3=6|"},
      {"nothing selected", "1|\n2", 0, "1|\n2"},
  };
  for (const SumCase& c : cases) {
    SheetFixture f(c.text, Static);
    f.box.SetSelectionLength(c.selection);
    f.Run(Command::SumSelectedLines);
    EXPECT_EQ(f.Shown(), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace tl::sheet
