#include <iostream>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "cli/console.h"
#include "cli/help.h"
#include "sheet/tools/version.h"

namespace {

using Subcommand = int (*)(const std::vector<std::string_view>&, tl::cli::Console&);

struct Entry {
  std::string_view name;
  Subcommand run;
};

constexpr Entry kSubcommands[] = {
    {"eval", tl::cli::EvalCommand},
    {"run", tl::cli::RunCommand},
    {"replay", tl::cli::ReplayCommand},
    {"upper", tl::cli::UpperCommand},
};

int Dispatch(const std::vector<std::string>& arguments, tl::cli::Console& console) {
  if (arguments.empty()) return tl::cli::Fail(console, "a command is required (try --help)");
  const std::string_view name = arguments[0];
  if (name == "-h" || name == "--help") {
    console.out << tl::cli::HelpText();
    return tl::cli::kExitSuccess;
  }
  if (name == "--version") {
    console.out << "tallyline-cli " << tl::sheet::Version() << '\n';
    return tl::cli::kExitSuccess;
  }
  const std::vector<std::string_view> args(arguments.begin() + 1, arguments.end());
  for (const Entry& entry : kSubcommands) {
    if (entry.name == name) return entry.run(args, console);
  }
  return tl::cli::Fail(console, "unknown command '" + std::string(name) + "' (try --help)");
}

}  // namespace

int main(int argc, char** argv) {
  tl::cli::PrepareStandardStreams();
  tl::cli::Console console{std::cin, std::cout, std::cerr, tl::cli::StandardErrorIsTerminal()};
  try {
    return Dispatch(tl::cli::CommandLineArguments(argc, argv), console);
  } catch (const std::bad_alloc&) {
    // The one failure the core cannot turn into a value.
    return tl::cli::Fail(console, "out of memory");
  }
}
