#pragma once
// The subcommands of tallyline-cli. Each takes the arguments after its name
// and returns the exit status: kExitSuccess, kExitEvaluationFailed, or
// kExitError with a one-line message on the console's error stream.
#include <string_view>
#include <vector>

#include "cli/console.h"

namespace tl::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitEvaluationFailed = 1;
inline constexpr int kExitError = 2;

int EvalCommand(const std::vector<std::string_view>& args, Console& console);
int RunCommand(const std::vector<std::string_view>& args, Console& console);
int ReplayCommand(const std::vector<std::string_view>& args, Console& console);
int UpperCommand(const std::vector<std::string_view>& args, Console& console);

// Writes "tallyline-cli: MESSAGE" and returns kExitError.
int Fail(Console& console, std::string_view message);

}  // namespace tl::cli
