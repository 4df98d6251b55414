// `run`: batch evaluation of a worksheet file.
#include <filesystem>
#include <optional>

#include "cli/arguments.h"
#include "cli/batch_run.h"
#include "cli/commands.h"
#include "cli/common_options.h"
#include "cli/help.h"
#include "cli/input_file.h"
#include "cli/run_check.h"
#include "cli/run_limits.h"
#include "cli/run_output.h"
#include "files/text_stream.h"
#include "text/encoding.h"

namespace tl::cli {

namespace {

using files::Encoding;

struct RunOptions {
  CommonOptions common;
  Encoding encoding = Encoding::Auto;
  std::string_view input = "-";
  std::string_view output;  // empty: standard output
  bool inPlace = false;
  bool check = false;
  bool help = false;
};

std::string TakeEncoding(std::string_view name, Encoding& encoding) {
  if (name == "auto") {
    encoding = Encoding::Auto;
  } else if (name == "gbk") {
    encoding = Encoding::Gbk;
  } else if (name == "utf-8") {
    encoding = Encoding::Utf8;
  } else {
    return "--encoding takes auto, gbk or utf-8, not '" + std::string(name) + "'";
  }
  return {};
}

// Empty on success, otherwise the message for what is wrong with the
// arguments. A wrong argument wins over --help.
std::string ParseRunOptions(const std::vector<std::string_view>& args, RunOptions& options) {
  const OptionRule rules[] = {
      {"--encoding", true,
       [&](std::string_view value) { return TakeEncoding(value, options.encoding); }},
      {"-o", true,
       [&](std::string_view value) {
         options.output = value;
         return std::string();
       }},
      {"--in-place", false,
       [&](std::string_view) {
         options.inPlace = true;
         return std::string();
       }},
      {"--check", false,
       [&](std::string_view) {
         options.check = true;
         return std::string();
       }},
  };
  const Arguments walked = WalkArguments(args, {.command = "run",
                                                .options = rules,
                                                .common = &options.common,
                                                .single = "input file",
                                                .hintEveryError = true});
  if (!walked.error.empty()) return walked.error;
  options.help = walked.help;
  if (!walked.positionals.empty()) options.input = walked.positionals.front();
  if (options.check && (options.inPlace || !options.output.empty())) {
    return "run: --check changes no file: it takes neither -o nor --in-place (try --help)";
  }
  if (options.inPlace && !options.output.empty()) {
    return "run: -o and --in-place exclude each other (try --help)";
  }
  if (options.inPlace && options.input == "-") return "run: --in-place needs a FILE (try --help)";
  return {};
}

std::filesystem::path PathOf(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// The first reading: what the input is.
files::TextFacts Survey(InputPieces& input, files::Encoding encoding) {
  files::TextScanner scanner(encoding, kMaxLineBytes);
  for (std::string_view bytes = input.Next(); !bytes.empty(); bytes = input.Next()) {
    scanner.Add(bytes);
  }
  return scanner.Finish();
}

// What stops the input from being evaluated, if anything.
std::string Refusal(const files::TextFacts& facts, bool whole) {
  if (!facts.error.empty()) return facts.error;
  if (facts.firstLongLine > 0) {
    return "line " + std::to_string(facts.firstLongLine) + " holds more than " +
           std::to_string(kMaxLineBytes >> 20) + " MiB, the most run takes in one line";
  }
  if (whole && facts.bytes > kMaxInputBytes) {
    return "with " + text::GbkToUtf8("空格分式") +
           " on, or with line breaks to repair (a lone CR or LF, or tabs in a text that does not "
           "end with a line break), the text is evaluated as one worksheet, and run takes at "
           "most " +
           std::to_string(kMaxInputBytes >> 20) + " MiB of it";
  }
  return {};
}

struct Evaluation {
  BatchTotals totals;
  std::string error;  // a failure of the input; empty when it was read through
};

// The second reading: decoded, evaluated, encoded and written piece by piece.
Evaluation Evaluate(InputPieces& input, const files::TextFacts& facts, settings::Settings& settings,
                    Progress& progress, RunOutput& output) {
  files::TextDecoder decoder(facts.form);
  files::TextEncoder encoder(facts.form);
  BatchRun batch(!EvaluatesInPieces(facts, settings), facts.bytes, settings, progress,
                 [&](std::string_view text) {
                   encoder.Add(text, output.Buffer());
                   output.Drain();
                 });
  Evaluation evaluation;
  std::string text;
  for (std::string_view bytes = input.Next(); !bytes.empty(); bytes = input.Next()) {
    text.clear();
    if (!decoder.Add(bytes, text)) break;
    batch.Add(text);
  }
  evaluation.error = input.Error();
  if (evaluation.error.empty() && !decoder.Finish()) {
    evaluation.error = input.Name() + ": " + decoder.Error();
  }
  if (!evaluation.error.empty()) return evaluation;
  evaluation.totals = batch.Finish();
  encoder.Finish(output.Buffer());
  return evaluation;
}

// `run --check`: the report on standard output, the count on standard error.
int Check(InputPieces& input, const files::TextFacts& facts, const settings::Settings& settings,
          Progress& progress, Console& console) {
  const CheckTotals totals = CheckResults(input, facts.form, settings, progress, console.out);
  if (!totals.error.empty()) return Fail(console, "run: " + totals.error);
  console.out.flush();
  if (!console.out) return Fail(console, "run: cannot write standard output");
  console.err << "tallyline-cli: run: stale results: " << totals.stale << " of " << totals.checked
              << '\n';
  return totals.stale > 0 ? kExitEvaluationFailed : kExitSuccess;
}

}  // namespace

int RunCommand(const std::vector<std::string_view>& args, Console& console) {
  RunOptions options;
  if (const std::string error = ParseRunOptions(args, options); !error.empty()) {
    return Fail(console, error);
  }
  if (options.help) {
    console.out << HelpText();
    return kExitSuccess;
  }
  std::string error;
  settings::Settings settings = LoadCommonSettings(options.common, error);
  if (!error.empty()) return Fail(console, "run: " + error);

  InputPieces input(options.input, console.in, kMaxInputBytes);
  const files::TextFacts facts = Survey(input, options.encoding);
  if (!input.Error().empty()) return Fail(console, "run: " + input.Error());
  // The check goes line by line: no text goes whole.
  const bool whole = !options.check && !EvaluatesInPieces(facts, settings);
  const std::string refusal = Refusal(facts, whole);
  if (!refusal.empty()) return Fail(console, "run: " + input.Name() + ": " + refusal);
  input.Rewind();
  const bool showProgress = console.errIsTerminal && facts.lines > kProgressLines;
  Progress progress(showProgress ? &console.err : nullptr, facts.bytes);
  if (options.check) return Check(input, facts, settings, progress, console);

  const bool toFile = options.inPlace || !options.output.empty();
  const std::string_view target = options.inPlace ? options.input : options.output;
  std::optional<RunOutput> output;
  if (toFile) {
    output.emplace(PathOf(target));
  } else {
    output.emplace(console.out);
  }
  const Evaluation evaluation = Evaluate(input, facts, settings, progress, *output);
  input.Close();
  if (!evaluation.error.empty()) {
    return Fail(console, "run: " + evaluation.error +
                             (options.inPlace ? "; the file is left as it was" : ""));
  }
  if (const files::IoResult written = output->Finish(); !written.ok()) {
    if (!toFile) return Fail(console, "run: cannot write standard output");
    return Fail(console, "run: cannot write '" + std::string(target) + "': " + written.error +
                             (options.inPlace ? "; the file is left as it was" : ""));
  }

  if (facts.nulBytes > 0) {
    console.err << "tallyline-cli: run: bytes 0x00 read as spaces, as the window reads them: "
                << facts.nulBytes << '\n';
  }
  const BatchTotals& totals = evaluation.totals;
  if (totals.stoppedAtLine > 0) {
    console.err << "tallyline-cli: run: with " << text::GbkToUtf8("空格分式")
                << " the batch stops after " << kSegmentSteps
                << " steps, as the window's does; the text from line " << totals.stoppedAtLine
                << " on is left as it was\n";
  }
  if (totals.failedLines > 0) {
    console.err << "tallyline-cli: run: failed lines: " << totals.failedLines << '\n';
  }
  const bool failed = totals.failedLines > 0 || totals.stoppedAtLine > 0;
  return failed ? kExitEvaluationFailed : kExitSuccess;
}

}  // namespace tl::cli
