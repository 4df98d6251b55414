// `replay`: a script of worksheet events read from a file or standard input.
#include "cli/commands.h"
#include "cli/common_options.h"
#include "cli/help.h"
#include "cli/input_file.h"
#include "cli/replay_session.h"
#include "cli/run_limits.h"
#include "cli/script_line.h"
#include "text/encoding.h"

namespace tl::cli {

int ReplayCommand(const std::vector<std::string_view>& args, Console& console) {
  CommonOptions options;
  std::string_view script;
  bool scriptGiven = false;
  bool onlyFiles = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    std::string error;
    const bool option = !onlyFiles && arg.size() > 1 && arg.front() == '-';
    if (option && arg == "--") {
      onlyFiles = true;
    } else if (option && (arg == "-h" || arg == "--help")) {
      console.out << HelpText();
      return kExitSuccess;
    } else if (option && TakeCommonOption(args, i, options, error)) {
      if (!error.empty()) return Fail(console, "replay: " + error);
    } else if (option) {
      return Fail(console, "replay: unknown option '" + std::string(arg) + "' (try --help)");
    } else if (scriptGiven) {
      return Fail(console, "replay: one script at most, not also '" + std::string(arg) + "'");
    } else {
      script = arg;
      scriptGiven = true;
    }
  }
  if (!scriptGiven) return Fail(console, "replay: a SCRIPT (or - for standard input) is required");
  std::string error;
  settings::Settings settings = LoadCommonSettings(options, error);
  if (!error.empty()) return Fail(console, "replay: " + error);
  const InputBytes input = ReadInput(script, console.in, kMaxInputBytes);
  if (!input.error.empty()) return Fail(console, "replay: " + input.error);

  ReplaySession session(std::move(settings));
  std::string_view rest = input.bytes;
  for (std::size_t number = 1; !rest.empty(); ++number) {
    const std::size_t lineFeed = rest.find('\n');
    const std::string_view line = rest.substr(0, lineFeed);
    rest.remove_prefix(lineFeed == std::string_view::npos ? rest.size() : lineFeed + 1);
    const std::string where =
        "replay: " + InputName(script) + " line " + std::to_string(number) + ": ";
    if (!text::IsValidUtf8(line)) return Fail(console, where + "not UTF-8");
    const ScriptLine parsed = ParseScriptLine(line);
    if (!parsed.error.empty()) return Fail(console, where + parsed.error);
    if (std::string stop = session.Execute(parsed.words, console.out); !stop.empty()) {
      console.out.flush();
      return Fail(console, where + stop);
    }
  }
  console.out.flush();
  if (!console.out) return Fail(console, "replay: cannot write standard output");
  return kExitSuccess;
}

}  // namespace tl::cli
