// `tallyline-cli run` without the process around it: decoding the file,
// "&F.批量运算" over the text, encoding the result. Lines are like the peer
// comparison's (about 70 characters, a dozen numbers, brackets, powers, square
// roots); some runs mix in comment lines, which the engine does not recognise.
// The cost per line should stay the same from 10,000 to 100,000 lines.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "cli/batch_run.h"
#include "engine/engine.h"
#include "files/text_file.h"
#include "settings/settings.h"

namespace {

using namespace tl::cli;

// splitmix64: the same lines on every run.
class Random {
 public:
  std::uint64_t Next() {
    state_ += 0x9e3779b97f4a7c15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

 private:
  std::uint64_t state_ = 2024;
};

std::string Number(Random& random) {
  std::string number = std::to_string(1 + random.Below(999));
  if (random.Below(2) == 0) number += "." + std::to_string(1 + random.Below(99));
  return number;
}

// Twelve numbers joined by + - * /, some in brackets, some squared or under sqr.
std::string Line(Random& random) {
  constexpr char kOperators[] = "+-*/";
  std::string line;
  int open = 0;
  for (int i = 0; i < 12; ++i) {
    if (i > 0) line += kOperators[random.Below(4)];
    if (i < 10 && open < 4 && random.Below(4) == 0) {
      line += random.Below(5) == 0 ? "sqr(" : "(";
      ++open;
    }
    line += Number(random);
    if (random.Below(10) == 0) line += "^2";
    if (open > 0 && random.Below(3) == 0) {
      line += ")";
      --open;
    }
  }
  line.append(static_cast<std::size_t>(open), ')');
  return line;
}

// `count` lines with CR LF; every `commentEvery`-th a comment (0: none).
std::string Corpus(int count, int commentEvery) {
  Random random;
  std::string text;
  for (int i = 1; i <= count; ++i) {
    text += commentEvery > 0 && i % commentEvery == 0 ? "note on the lines above" : Line(random);
    text += "\r\n";
  }
  return text;
}

// Arguments: lines, and one comment line in how many (0: none).
void Run(benchmark::State& state) {
  const std::string corpus =
      Corpus(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  tl::settings::Settings settings;
  for (auto _ : state) {
    tl::files::DecodedText sheet = tl::files::DecodeText(corpus, tl::files::Encoding::Auto);
    Progress quiet(nullptr, sheet.text.size());
    BatchResult result = BatchEvaluateText(std::move(sheet.text), settings, quiet);
    std::string bytes = tl::files::EncodeText(std::move(result.text), sheet.form);
    benchmark::DoNotOptimize(bytes);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.SetLabel(std::to_string(corpus.size() / state.range(0)) + " bytes a line");
}
BENCHMARK(Run)
    ->Args({10000, 0})
    ->Args({100000, 0})
    ->Args({10000, 10})
    ->Args({100000, 10})
    ->Unit(benchmark::kMillisecond);

// The engine alone over the same lines: what the worksheet and the file
// handling add to it is the difference.
void EngineAlone(benchmark::State& state) {
  const std::string corpus = Corpus(static_cast<int>(state.range(0)), 0);
  const tl::engine::Options options;
  for (auto _ : state) {
    for (std::size_t start = 0; start < corpus.size();) {
      const std::size_t end = corpus.find("\r\n", start);
      tl::engine::Outcome outcome =
          tl::engine::Evaluate(std::string_view(corpus).substr(start, end - start), options);
      benchmark::DoNotOptimize(outcome);
      start = end + 2;
    }
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(EngineAlone)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
