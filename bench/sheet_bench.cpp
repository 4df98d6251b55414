// Worksheet operations on large sheets in the in-memory edit box: Enter on
// one line costs that line, a batch evaluation costs each of its lines, with
// an undo history as without one (the 100,000-line batch should take less
// than 15 times the 10,000-line one); so does "&R.检查结果" (F6), which must
// check 100,000 computed lines in less than a second.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "settings/settings.h"
#include "sheet/headless_host.h"
#include "sheet/key_delivery.h"
#include "sheet/memory_edit_box.h"
#include "sheet/worksheet.h"

namespace {

using namespace tl::sheet;

// A sheet of `count` lines cycling through a few kinds of line: a sum, a
// product with a difference, a chain already computed (refreshed), a bracket
// with a division and a decimal result; with `notes`, every fourth a comment
// the engine does not recognise, which makes it look at the whole text's
// line breaks.
std::string Sheet(int count, bool notes = false) {
  constexpr std::string_view kLines[] = {"123+456", "7×8-9", "1+2=3", "(1+2)÷4"};
  std::string text;
  for (int i = 0; i < count; ++i) {
    text += notes && i % 4 == 3 ? "note" : kLines[i % 4];
    text += "\r\n";
  }
  return text;
}

constexpr int kEnterLines = 10000;

// Enter in the middle of a line halfway down the sheet; the written result is
// taken away again outside the timing. Argument: with (1) or without (0) an
// undo history, which copies the whole text on every change.
void EnterInTheMiddleOfTheSheet(benchmark::State& state) {
  tl::settings::Settings settings;
  settings.动态刷新 = false;
  HeadlessHost host;
  MemoryEditBox box(Sheet(kEnterLines));
  Worksheet sheet(box, host, settings, WorksheetOptions{.undoHistory = state.range(0) != 0});
  const std::size_t lineStart = box.Text().find("123+456", box.Size() / 2);
  const KeyStroke enter{vk::kReturn, kNoModifier, '\r'};
  for (auto _ : state) {
    PlaceCaret(box, lineStart + 3);
    PressKey(sheet, box, host, enter);
    state.PauseTiming();
    box.SetCaret(lineStart + 7);
    box.SetSelectionLength(4);  // "=579"
    box.ReplaceSelection({});
    state.ResumeTiming();
  }
}
BENCHMARK(EnterInTheMiddleOfTheSheet)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// "&F.批量运算" over the whole sheet. Arguments: the number of lines, with
// (1) or without (0) an undo history, and with (1) or without (0) comment
// lines. The command line runs without a history, the window with one: a
// batch is one user action, recorded as one snapshot of the text, however
// many lines it changes. "snapshots" is how many the history holds at the end
// (at most 撤销设置, 50): its memory is that many copies of the text at most.
void BatchEvaluation(benchmark::State& state) {
  tl::settings::Settings settings;
  HeadlessHost host;
  MemoryEditBox box;
  Worksheet sheet(box, host, settings, WorksheetOptions{.undoHistory = state.range(1) != 0});
  const std::string text = Sheet(static_cast<int>(state.range(0)), state.range(2) != 0);
  for (auto _ : state) {
    state.PauseTiming();
    box.SetText(text);
    sheet.EndUserAction();
    state.ResumeTiming();
    sheet.Execute(Command::BatchEvaluate);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  if (const UndoHistory* history = sheet.History()) {
    state.counters["snapshots"] = static_cast<double>(history->Count());
  }
}
BENCHMARK(BatchEvaluation)
    ->ArgsProduct({{10000, 100000}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// "&R.检查结果" on a sheet of computed lines (every one checked, chains
// included) whose last result is stale, so that the command looks at every
// line and then selects. Argument: the number of lines.
void CheckResults(benchmark::State& state) {
  constexpr std::string_view kLines[] = {"123+456=579", "7×8-9=47", "1+2=3+4=7", "(1+2)÷4=0.75"};
  const auto count = static_cast<int>(state.range(0));
  std::string text;
  for (int i = 0; i < count; ++i) {
    text += i + 1 < count ? kLines[i % 4] : "2×3=7";
    text += "\r\n";
  }
  tl::settings::Settings settings;
  HeadlessHost host;
  MemoryEditBox box(text);
  Worksheet sheet(box, host, settings);
  for (auto _ : state) {
    state.PauseTiming();
    PlaceCaret(box, 0);
    state.ResumeTiming();
    sheet.Execute(Command::CheckResults);
  }
  if (box.SelectionLength() != 1) state.SkipWithError("the stale result was not selected");
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(CheckResults)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
