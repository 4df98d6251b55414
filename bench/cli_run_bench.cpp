// `tallyline-cli run` without the process around it, on a file: the first
// reading, then decoding, "&F.批量运算" and encoding piece by piece, the output
// thrown away. Lines are like the peer comparison's (about 70 characters, a
// dozen numbers, brackets, powers, square roots); some runs mix in comment
// lines, which the engine does not recognise. The cost per line should stay
// the same from 10,000 to 1,000,000 lines (the 1,000,000-line run at most
// 10.3 times the 100,000-line one).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <streambuf>
#include <string>

#include "cli/commands.h"
#include "engine/engine.h"

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

// Counts what is written to it and keeps none of it.
class CountingBuffer : public std::streambuf {
 public:
  std::size_t Count() const { return count_; }

 protected:
  int_type overflow(int_type c) override {
    ++count_;
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const char*, std::streamsize n) override {
    count_ += static_cast<std::size_t>(n);
    return n;
  }

 private:
  std::size_t count_ = 0;
};

// Arguments: lines, and one comment line in how many (0: none).
void Run(benchmark::State& state) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                     ("tallyline-cli-bench-" + std::to_string(state.range(0)) +
                                      "-" + std::to_string(state.range(1)) + ".txt");
  std::size_t bytes = 0;
  {
    const std::string corpus =
        Corpus(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    std::ofstream(file, std::ios::binary) << corpus;
    bytes = corpus.size();
  }
  const std::string path = file.string();
  for (auto _ : state) {
    std::istringstream in;
    CountingBuffer discard;
    std::ostream out(&discard);
    std::ostringstream err;
    Console console{in, out, err, false};
    benchmark::DoNotOptimize(RunCommand({path}, console));
    benchmark::DoNotOptimize(discard.Count());
  }
  std::filesystem::remove(file);
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.SetLabel(std::to_string(bytes / static_cast<std::size_t>(state.range(0))) +
                 " bytes a line");
}
BENCHMARK(Run)
    ->Args({10000, 0})
    ->Args({100000, 0})
    ->Args({1000000, 0})
    ->Args({10000, 10})
    ->Args({100000, 10})
    ->Unit(benchmark::kMillisecond);

// The engine alone over the same lines: what the worksheet and the file
// handling add to it is the difference.
void EngineAlone(benchmark::State& state) {
  const std::string corpus = Corpus(static_cast<int>(state.range(0)), 0);
  const tl::engine::Options options;
  // Kept from line to line, as the worksheet keeps it.
  tl::engine::Workspace workspace;
  for (auto _ : state) {
    for (std::size_t start = 0; start < corpus.size();) {
      const std::size_t end = corpus.find("\r\n", start);
      tl::engine::Outcome outcome = tl::engine::Evaluate(
          std::string_view(corpus).substr(start, end - start), options, workspace);
      benchmark::DoNotOptimize(outcome);
      start = end + 2;
    }
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(EngineAlone)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
