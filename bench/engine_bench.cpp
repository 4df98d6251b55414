// The engine from expression text to result text: a typical line (about 20
// characters: four operators, a bracket pair, one function) and a 200-character
// line.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/engine.h"

namespace {

const std::string kTypicalLine = "3.5×(12+4)-sin30÷8";

std::string LongLine() {
  std::string line = kTypicalLine;
  while (line.size() < 200) line += "+" + kTypicalLine;
  return line;
}

void EvaluateLine(benchmark::State& state, const std::string& line) {
  const tl::engine::Options options;
  // Kept from line to line, as the worksheet keeps it.
  tl::engine::Workspace workspace;
  for (auto _ : state) {
    tl::engine::Outcome outcome = tl::engine::Evaluate(line, options, workspace);
    benchmark::DoNotOptimize(outcome);
  }
  state.SetLabel(std::to_string(line.size()) + " bytes");
}

void TypicalLine(benchmark::State& state) {
  EvaluateLine(state, kTypicalLine);
}
void LongLine200(benchmark::State& state) {
  EvaluateLine(state, LongLine());
}

BENCHMARK(TypicalLine);
BENCHMARK(LongLine200);

}  // namespace
