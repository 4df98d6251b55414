// `run`: batch evaluation of a worksheet file.
#include <algorithm>
#include <filesystem>

#include "cli/arguments.h"
#include "cli/batch_run.h"
#include "cli/commands.h"
#include "cli/common_options.h"
#include "cli/help.h"
#include "cli/input_file.h"
#include "cli/run_limits.h"
#include "files/file_io.h"
#include "files/text_file.h"
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
  };
  const Arguments walked = WalkArguments(args, {.command = "run",
                                                .options = rules,
                                                .common = &options.common,
                                                .single = "input file",
                                                .hintEveryError = true});
  if (!walked.error.empty()) return walked.error;
  options.help = walked.help;
  if (!walked.positionals.empty()) options.input = walked.positionals.front();
  if (options.inPlace && !options.output.empty()) {
    return "run: -o and --in-place exclude each other (try --help)";
  }
  if (options.inPlace && options.input == "-") return "run: --in-place needs a FILE (try --help)";
  return {};
}

std::filesystem::path PathOf(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::size_t LineCount(std::string_view text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
}

int WriteResult(std::string_view bytes, const RunOptions& options, Console& console) {
  if (options.output.empty() && !options.inPlace) {
    console.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    console.out.flush();
    if (!console.out) return Fail(console, "run: cannot write standard output");
    return kExitSuccess;
  }
  const std::string_view target = options.inPlace ? options.input : options.output;
  const files::IoResult written = files::WriteWholeFile(PathOf(target), bytes);
  if (!written.ok()) {
    return Fail(console, "run: cannot write '" + std::string(target) + "': " + written.error +
                             (options.inPlace ? "; the file is left as it was" : ""));
  }
  return kExitSuccess;
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

  InputBytes input = ReadInput(options.input, console.in, kMaxInputBytes);
  if (!input.error.empty()) return Fail(console, "run: " + input.error);
  files::DecodedText sheet = files::DecodeText(std::move(input.bytes), options.encoding);
  if (!sheet.error.empty())
    return Fail(console, "run: " + InputName(options.input) + ": " + sheet.error);

  const bool showProgress = console.errIsTerminal && LineCount(sheet.text) > kProgressLines;
  Progress progress(showProgress ? &console.err : nullptr, sheet.text.size());
  BatchResult batch = BatchEvaluateText(std::move(sheet.text), settings, progress);
  if (!batch.error.empty())
    return Fail(console, "run: " + InputName(options.input) + ": " + batch.error);

  const int status =
      WriteResult(files::EncodeText(std::move(batch.text), sheet.form), options, console);
  if (status != kExitSuccess) return status;
  if (batch.stoppedAtLine > 0) {
    console.err << "tallyline-cli: run: with " << text::GbkToUtf8("空格分式")
                << " the batch stops after " << kSegmentSteps
                << " steps, as the window's does; the text from line " << batch.stoppedAtLine
                << " on is left as it was\n";
  }
  if (batch.failedLines > 0) {
    console.err << "tallyline-cli: run: failed lines: " << batch.failedLines << '\n';
  }
  const bool failed = batch.failedLines > 0 || batch.stoppedAtLine > 0;
  return failed ? kExitEvaluationFailed : kExitSuccess;
}

}  // namespace tl::cli
