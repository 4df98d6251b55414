#include "cli/batch_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "sheet/headless_host.h"
#include "sheet/memory_edit_box.h"
#include "sheet/worksheet.h"

namespace tl::cli {
namespace {

// The text after "&F.批量运算" in one worksheet over the whole text.
std::string WholeSheetBatch(std::string_view text, settings::Settings settings) {
  sheet::MemoryEditBox box(text);
  sheet::HeadlessHost host;
  sheet::Worksheet worksheet(box, host, settings);
  worksheet.Execute(sheet::Command::BatchEvaluate);
  return std::string(box.Text());
}

struct LineKind {
  std::string_view text;
  bool fails;
};

// Lines of every kind a batch meets, GBK.
constexpr LineKind kLines[] = {
    {"1+1", false},       {"2×3÷4", false},    {"note", true},    {"1+", true},
    {"", false},          {"5", false},        {"1+1=5", false},  {"1+2=3+×=5", true},
    {"sqr(16)+1", false}, {"合计 3+4", false}, {"1\t+\t2", true}, {"  7*(2+3)  ", false},
    {"1/0", true},        {"2^0.5=1", false},
};

// `count` lines cycling through kLines (those with a tab left out unless
// `tabs`), and how many of them fail.
std::pair<std::string, std::size_t> Sheet(std::size_t count, bool tabs) {
  std::string text;
  std::size_t failing = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const LineKind& line = kLines[i % std::size(kLines)];
    if (!tabs && line.text.find('\t') != std::string_view::npos) continue;
    text.append(line.text);
    text += "\r\n";
    failing += line.fails ? 1 : 0;
  }
  return {text, failing};
}

TEST(BatchRun, PiecesGiveWhatOneWorksheetGives) {
  const auto [text, failing] = Sheet(8000, true);  // several pieces
  ASSERT_GT(text.size(), std::size_t{40} << 10);
  // Without a closing line break the text is evaluated in pieces only when a
  // repair has no tab to change.
  auto [open, openFailing] = Sheet(8000, false);
  open += "1+";
  const std::pair<std::string, std::size_t> cases[] = {{text, failing}, {open, openFailing + 1}};
  settings::Settings settings;
  for (const auto& [input, failures] : cases) {
    Progress quiet(nullptr, input.size());
    const BatchResult result = BatchEvaluateText(input, settings, quiet);
    EXPECT_EQ(result.error, "");
    EXPECT_TRUE(result.text == WholeSheetBatch(input, settings)) << input.substr(input.size() - 20);
    EXPECT_EQ(result.failedLines, failures);
  }
}

TEST(BatchRun, TextsThatCouldBeRepairedGoWhole) {
  settings::Settings settings;
  Progress quiet(nullptr, 0);
  const std::string cases[] = {
      "1+1\r2+2\r\nnote\r\n",  // a lone CR
      "1+1\n2+2\r\nnote\r\n",  // a lone LF
      "1\t+\t1\r\nnote",       // a tab, no closing line break
  };
  for (const std::string& text : cases) {
    const BatchResult result = BatchEvaluateText(text, settings, quiet);
    EXPECT_EQ(result.text, WholeSheetBatch(text, settings)) << text;
    EXPECT_EQ(result.failedLines, 1u) << text;
  }
}

TEST(BatchRun, RefusesLargeTextsThatMustGoWhole) {
  settings::Settings settings;
  settings.空格分式 = true;
  std::string text;
  while (text.size() <= kMaxWholeSheetBytes) text += "1+1 2+2 3+3 4+4 5+5 6+6 7+7 8+8\r\n";
  Progress quiet(nullptr, text.size());
  const BatchResult result = BatchEvaluateText(text, settings, quiet);
  EXPECT_TRUE(result.error.ends_with(
      "the text is evaluated as one worksheet, and run takes at most 8 MiB of it"))
      << result.error;
  EXPECT_EQ(result.text, "");
}

TEST(BatchRun, TellsWhereSpaceSeparatedExpressionsRanOutOfSteps) {
  settings::Settings settings;
  settings.空格分式 = true;
  Progress quiet(nullptr, 0);
  std::string text;
  for (int i = 0; i < 1500; ++i) text += "1+1 2+2  3+3\r\n";
  const BatchResult result = BatchEvaluateText(text, settings, quiet);
  ASSERT_GT(result.stoppedAtLine, 1u);
  // The lines before are evaluated, the lines after are not.
  std::istringstream lines(result.text);
  std::size_t number = 0;
  for (std::string line; std::getline(lines, line);) {
    ++number;
    const auto results = std::count(line.begin(), line.end(), '=');
    if (number != result.stoppedAtLine) {
      EXPECT_EQ(results, number < result.stoppedAtLine ? 3 : 0) << number << ": " << line;
    }
  }
  EXPECT_EQ(number, 1500u);

  text.resize(text.size() / 10);
  EXPECT_EQ(BatchEvaluateText(text, settings, quiet).stoppedAtLine, 0u);
}

TEST(BatchRun, RefusesOverlongLines) {
  settings::Settings settings;
  Progress quiet(nullptr, 0);
  std::string text = "1+1\r\n2+2\r\n";
  text.append(kMaxLineBytes / 2, '1');
  text.append(kMaxLineBytes / 2, '+');
  EXPECT_EQ(BatchEvaluateText(text, settings, quiet).error, "");
  text += "1";
  EXPECT_EQ(BatchEvaluateText(text, settings, quiet).error,
            "line 3 holds more than 4 MiB, the most run takes in one line");
}

TEST(BatchRun, ReportsProgressOnATerminal) {
  const std::string text = Sheet(8000, true).first;
  std::ostringstream terminal;
  Progress progress(&terminal, text.size());
  settings::Settings settings;
  BatchEvaluateText(text, settings, progress);
  // Rising percentages, each over the one before, then the line cleared.
  const std::string clear = "\r                        \r";
  std::string shown = terminal.str();
  ASSERT_TRUE(shown.ends_with(clear)) << shown;
  shown.erase(shown.size() - clear.size());
  std::istringstream reports(shown);
  std::vector<int> percents;
  for (std::string report; std::getline(reports, report, '\r');) {
    if (report.empty()) continue;
    ASSERT_TRUE(report.starts_with("tallyline-cli: run: ") && report.ends_with("%")) << report;
    percents.push_back(std::stoi(report.substr(20)));
  }
  EXPECT_GT(percents.size(), 5u);
  EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
  EXPECT_EQ(std::adjacent_find(percents.begin(), percents.end()), percents.end());
}

}  // namespace
}  // namespace tl::cli
