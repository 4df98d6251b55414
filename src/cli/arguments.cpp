#include "cli/arguments.h"

namespace tl::cli {

namespace {

constexpr std::string_view kTryHelp = " (try --help)";

const OptionRule* FindRule(std::span<const OptionRule> rules, std::string_view name) {
  for (const OptionRule& rule : rules) {
    if (rule.name == name) return &rule;
  }
  return nullptr;
}

// The message for `error`, empty when there is none.
std::string Message(const ArgumentRules& rules, const std::string& error, bool unknownOption) {
  if (error.empty()) return {};
  std::string message = std::string(rules.command) + ": " + error;
  if (unknownOption || rules.hintEveryError) message += kTryHelp;
  return message;
}

}  // namespace

Arguments WalkArguments(const std::vector<std::string_view>& args, const ArgumentRules& rules) {
  Arguments result;
  bool optionsOver = false;
  for (std::size_t i = 0; i < args.size() && result.error.empty(); ++i) {
    const std::string arg(args[i]);
    const bool option = !optionsOver && arg.size() > 1 && arg.front() == '-';
    const OptionRule* rule = option ? FindRule(rules.options, arg) : nullptr;
    const bool common = option && rules.common != nullptr && IsCommonOption(arg);
    if (option && arg == "--") {
      optionsOver = true;
    } else if (option && (arg == "-h" || arg == "--help")) {
      result.help = true;
    } else if (rule != nullptr || common) {
      std::string_view value;
      if (common || rule->takesValue) {
        if (i + 1 == args.size()) {
          result.error = Message(rules, arg + " needs a value", false);
          break;
        }
        value = args[++i];
      }
      const std::string error =
          common ? TakeCommonOption(arg, value, *rules.common) : rule->take(value);
      result.error = Message(rules, error, false);
    } else if (option && (!rules.optionsFirst || arg.starts_with("--"))) {
      result.error = Message(rules, "unknown option '" + arg + "'", true);
    } else if (!rules.single.empty() && !result.positionals.empty()) {
      result.error = Message(
          rules, "one " + std::string(rules.single) + " at most, not also '" + arg + "'", false);
    } else {
      // With the options first, the first argument ends them.
      if (rules.optionsFirst) optionsOver = true;
      result.positionals.push_back(args[i]);
    }
  }
  return result;
}

}  // namespace tl::cli
