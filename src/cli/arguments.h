#pragma once
// The walk over a subcommand's arguments, which every subcommand shares.
// Arguments are taken in order and the first error ends the walk: "--" ends
// the options, -h and --help ask for the help text, --config and --set are
// the common options, and each subcommand lists its own options in a table.
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/common_options.h"

namespace tl::cli {

struct OptionRule {
  std::string_view name;
  bool takesValue = false;
  // Takes the option with its value (empty for an option without one);
  // returns what is wrong with the value, or nothing.
  std::function<std::string(std::string_view value)> take;
};

struct ArgumentRules {
  std::string_view command = {};             // names the subcommand in messages
  std::span<const OptionRule> options = {};  // the subcommand's own
  CommonOptions* common = nullptr;           // takes --config and --set; null: neither
  // The options come first and the first other argument ends them, so that
  // "-5+3" is an argument and only "--X" an unknown option. Otherwise
  // options and arguments mix and every "-X" is an option.
  bool optionsFirst = false;
  // What the one argument taken is called; empty: any number are taken.
  std::string_view single = {};
  // Every error ends with "(try --help)", not only an unknown option's.
  bool hintEveryError = false;
};

struct Arguments {
  bool help = false;  // -h or --help came before any error
  std::vector<std::string_view> positionals;
  std::string error;  // the first thing wrong, starting with the command's name
};

Arguments WalkArguments(const std::vector<std::string_view>& args, const ArgumentRules& rules);

}  // namespace tl::cli
