#include "cli/commands.h"

namespace tl::cli {

int Fail(Console& console, std::string_view message) {
  console.err << "tallyline-cli: " << message << '\n';
  console.err.flush();
  return kExitError;
}

}  // namespace tl::cli
