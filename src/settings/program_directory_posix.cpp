#include <system_error>

#include "settings/files.h"

namespace tl::settings {

std::filesystem::path ProgramDirectory() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return executable.parent_path();
}

}  // namespace tl::settings
