#include "cli/eval_command.h"

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/common_options.h"
#include "cli/help.h"
#include "sheet/seams/headless_host.h"
#include "sheet/seams/memory_edit_box.h"
#include "sheet/worksheet/status_messages.h"
#include "sheet/worksheet/worksheet.h"
#include "text/encoding.h"
#include "text/gbk.h"

namespace tl::cli {

LineEvaluation EvaluateExpression(std::string_view expression, const settings::Settings& settings) {
  settings::Settings own = settings;
  std::string text(expression);
  text += text::kCrLf;
  sheet::MemoryEditBox box(std::move(text));
  sheet::HeadlessHost host;
  // A fresh worksheet starts in Normal mode.
  sheet::Worksheet worksheet(box, host, own, sheet::WorksheetOptions{.undoHistory = false});
  sheet::PlaceCaret(box, expression.size());
  LineEvaluation result;
  const bool written = worksheet.EvaluateCurrentLine();
  const std::string_view after = box.Text();
  result.line = after.substr(0, after.find(text::kCrLf));
  result.status = host.StatusText();
  // A chain whose last part was a value has been rebuilt with fresh results.
  result.written = written || result.status == sheet::msg::kRefreshed;
  return result;
}

int EvalCommand(const std::vector<std::string_view>& args, Console& console) {
  CommonOptions options;
  // Options come first; an argument such as "-5+3" is an expression.
  const Arguments walked =
      WalkArguments(args, {.command = "eval", .common = &options, .optionsFirst = true});
  if (walked.help) {
    console.out << HelpText();
    return kExitSuccess;
  }
  if (!walked.error.empty()) return Fail(console, walked.error);
  if (walked.positionals.empty()) {
    return Fail(console, "eval: an expression is required (try --help)");
  }
  std::string error;
  const settings::Settings settings = LoadCommonSettings(options, error);
  if (!error.empty()) return Fail(console, "eval: " + error);

  int status = kExitSuccess;
  for (const std::string_view expression : walked.positionals) {
    const LineEvaluation result = EvaluateExpression(text::Utf8ToGbk(expression), settings);
    console.out << text::GbkToUtf8(result.line) << '\t' << text::GbkToUtf8(result.status) << '\n';
    if (!result.written) status = kExitEvaluationFailed;
  }
  console.out.flush();
  return status;
}

}  // namespace tl::cli
