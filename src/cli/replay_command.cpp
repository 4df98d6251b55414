// `replay`: a script of worksheet events read from a file or standard input.
#include "cli/arguments.h"
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
  const Arguments walked =
      WalkArguments(args, {.command = "replay", .common = &options, .single = "script"});
  if (walked.help) {
    console.out << HelpText();
    return kExitSuccess;
  }
  if (!walked.error.empty()) return Fail(console, walked.error);
  if (walked.positionals.empty()) {
    return Fail(console, "replay: a SCRIPT (or - for standard input) is required");
  }
  const std::string_view script = walked.positionals.front();
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
