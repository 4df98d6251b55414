#pragma once
// The streams a subcommand works with, so that every subcommand runs the same
// in the program and in the tests.
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace tl::cli {

struct Console {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  // Progress reports are written only to a terminal.
  bool errIsTerminal = false;
};

// The program's arguments after its name, as UTF-8 whatever the platform hands
// over (Windows passes them in the system code page unless asked for UTF-16).
std::vector<std::string> CommandLineArguments(int argc, char** argv);

// Binary standard streams (no line-break translation) and UTF-8 console output.
void PrepareStandardStreams();

bool StandardErrorIsTerminal();

}  // namespace tl::cli
