#include "cli/batch_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "sheet/seams/headless_host.h"
#include "sheet/seams/memory_edit_box.h"
#include "sheet/worksheet/worksheet.h"

namespace tl::cli {
namespace {

// The text after "&F.批量运算" in one worksheet over the whole text.
std::string WholeSheetBatch(std::string_view text, settings::Settings settings) {
  sheet::MemoryEditBox box{std::string(text)};
  sheet::HeadlessHost host;
  sheet::Worksheet worksheet(box, host, settings);
  worksheet.Execute(sheet::Command::BatchEvaluate);
  return std::string(box.Text());
}

struct Batched {
  std::string text;
  BatchTotals totals;
};

// A GBK text handed to run's batch in pieces of 1000 bytes, as a file is read.
Batched BatchEvaluateText(std::string_view text, settings::Settings& settings, Progress& progress) {
  files::TextScanner scanner(files::Encoding::Gbk, kMaxLineBytes);
  scanner.Add(text);
  const bool whole = !EvaluatesInPieces(scanner.Finish(), settings);
  Batched result;
  BatchRun batch(whole, text.size(), settings, progress,
                 [&](std::string_view out) { result.text.append(out); });
  for (std::size_t p = 0; p < text.size(); p += 1000) batch.Add(text.substr(p, 1000));
  result.totals = batch.Finish();
  return result;
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
    const Batched result = BatchEvaluateText(input, settings, quiet);
    EXPECT_TRUE(result.text == WholeSheetBatch(input, settings)) << input.substr(input.size() - 20);
    EXPECT_EQ(result.totals.failedLines, failures);
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
    const Batched result = BatchEvaluateText(text, settings, quiet);
    EXPECT_EQ(result.text, WholeSheetBatch(text, settings)) << text;
    EXPECT_EQ(result.totals.failedLines, 1u) << text;
  }
}

TEST(BatchRun, TellsWhereSpaceSeparatedExpressionsRanOutOfSteps) {
  settings::Settings settings;
  settings.空格分式 = true;
  Progress quiet(nullptr, 0);
  std::string text;
  for (int i = 0; i < 1500; ++i) text += "1+1 2+2  3+3\r\n";
  const Batched result = BatchEvaluateText(text, settings, quiet);
  const std::size_t stoppedAtLine = result.totals.stoppedAtLine;
  ASSERT_GT(stoppedAtLine, 1u);
  // The lines before are evaluated, the lines after are not.
  std::istringstream lines(result.text);
  std::size_t number = 0;
  for (std::string line; std::getline(lines, line);) {
    ++number;
    const auto results = std::count(line.begin(), line.end(), '=');
    if (number != stoppedAtLine) {
      EXPECT_EQ(results, number < stoppedAtLine ? 3 : 0) << number << ": " << line;
    }
  }
  EXPECT_EQ(number, 1500u);

  text.resize(text.size() / 10);
  EXPECT_EQ(BatchEvaluateText(text, settings, quiet).totals.stoppedAtLine, 0u);
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
