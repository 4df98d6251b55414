#include "sheet/tools/version.h"

namespace tl::sheet {

// Only this file is built with the version, so that a new number rebuilds
// nothing else.
std::string_view Version() {
  return TALLYLINE_VERSION;
}

}  // namespace tl::sheet
