#include <cstdio>
#include <string_view>
#include <vector>

#include "help.h"

int main(int argc, char** argv) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  if (args.empty()) {
    std::fputs("tallyline-cli: a command is required (try --help)\n", stderr);
    return 2;
  }
  if (args[0] == "-h" || args[0] == "--help") {
    std::fwrite(tl::cli::kHelp.data(), 1, tl::cli::kHelp.size(), stdout);
    return 0;
  }
  std::fprintf(stderr, "tallyline-cli: unknown command '%.*s' (try --help)\n",
               static_cast<int>(args[0].size()), args[0].data());
  return 2;
}
