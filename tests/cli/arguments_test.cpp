#include "cli/arguments.h"

#include <gtest/gtest.h>

namespace tl::cli {
namespace {

std::string TakeO(std::string_view value) {
  return value == "bad" ? "-o takes no 'bad'" : "";
}

TEST(WalkArguments, TakesArgumentsInOrderUntilTheFirstError) {
  const OptionRule rules[] = {{"-o", true, TakeO}};
  CommonOptions common;
  const ArgumentRules optionsFirst{.command = "eval", .common = &common, .optionsFirst = true};
  const ArgumentRules mixed{.command = "run", .options = rules, .single = "file"};
  ArgumentRules hinted = mixed;
  hinted.hintEveryError = true;
  struct Case {
    const ArgumentRules& rules;
    std::vector<std::string_view> args;
    bool help;
    std::vector<std::string_view> positionals;
    std::string error;
  };
  const Case cases[] = {
      {optionsFirst, {"--set", "a=1", "-5+3", "--bogus"}, false, {"-5+3", "--bogus"}, ""},
      {optionsFirst, {"-x", "--help"}, false, {"-x", "--help"}, ""},
      {optionsFirst, {"--x", "1"}, false, {}, "eval: unknown option '--x' (try --help)"},
      {optionsFirst, {"--set", "a"}, false, {}, "eval: --set takes KEY=VALUE, not 'a'"},
      {mixed, {"--", "-o", "--help"}, false, {"-o"}, "run: one file at most, not also '--help'"},
      {mixed, {"a", "-o", "b", "-", "-x"}, false, {"a"}, "run: one file at most, not also '-'"},
      // Help counts when it comes before the error that ends the walk.
      {mixed, {"-h", "-x", "--help"}, true, {}, "run: unknown option '-x' (try --help)"},
      {mixed, {"-o", "bad", "--help"}, false, {}, "run: -o takes no 'bad'"},
      {mixed, {"a", "-o"}, false, {"a"}, "run: -o needs a value"},
      {hinted, {"a", "-o"}, false, {"a"}, "run: -o needs a value (try --help)"},
  };
  for (const Case& c : cases) {
    const Arguments walked = WalkArguments(c.args, c.rules);
    EXPECT_EQ(walked.help, c.help) << c.error;
    EXPECT_EQ(walked.positionals, c.positionals) << c.error;
    EXPECT_EQ(walked.error, c.error);
  }
}

}  // namespace
}  // namespace tl::cli
