#pragma once
// Writing `run`'s output file: replaced in one step, as the settings layer
// writes every file, and keeping the permissions of the file it replaces, so
// that a private worksheet stays private.
#include <filesystem>
#include <string_view>

#include "files/file_io.h"

namespace tl::cli {

files::IoResult ReplaceFileKeepingMode(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tl::cli
