// Unbounded input: a 1 MB line and a 100,000-deep bracket nesting, each
// answered by one Enter (a result or a message), and the worksheet's text
// never grown beyond them. The figures show they stay far below a second.
#include <benchmark/benchmark.h>

#include <string>

#include "settings/settings.h"
#include "sheet/seams/headless_host.h"
#include "sheet/seams/key_delivery.h"
#include "sheet/seams/memory_edit_box.h"
#include "sheet/worksheet/worksheet.h"

namespace {

using namespace tl::sheet;

// One Enter at the end of the first line of `line` + CR LF; the text is set
// afresh outside the timing.
void EnterOn(benchmark::State& state, const std::string& line) {
  tl::settings::Settings settings;
  settings.动态刷新 = false;
  HeadlessHost host;
  MemoryEditBox box;
  Worksheet sheet(box, host, settings, WorksheetOptions{.undoHistory = false});
  const KeyStroke enter{vk::kReturn, kNoModifier, '\r'};
  for (auto _ : state) {
    state.PauseTiming();
    box.SetText(line + "\r\n");
    PlaceCaret(box, line.size());
    state.ResumeTiming();
    PressKey(sheet, box, host, enter);
    benchmark::DoNotOptimize(host.StatusText());
  }
}

// "1+1+1+...": 1 MB of operators and operands.
void MegabyteLine(benchmark::State& state) {
  std::string line = "1";
  while (line.size() < (1u << 20)) line += "+1";
  EnterOn(state, line);
}
BENCHMARK(MegabyteLine)->Unit(benchmark::kMillisecond);

// "((((...1...))))" 100,000 deep.
void DeepNesting(benchmark::State& state) {
  const std::size_t depth = 100000;
  std::string line(depth, '(');
  line += "1";
  line.append(depth, ')');
  EnterOn(state, line);
}
BENCHMARK(DeepNesting)->Unit(benchmark::kMillisecond);

// A 1 MB line of characters the engine does not know: the message, once.
void MegabyteUnrecognised(benchmark::State& state) {
  EnterOn(state, std::string(1u << 20, '#'));
}
BENCHMARK(MegabyteUnrecognised)->Unit(benchmark::kMillisecond);

}  // namespace
