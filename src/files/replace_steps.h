#pragma once
// The platform parts of WriteWholeFile.
#include <filesystem>
#include <string_view>

#include "files/file_io.h"

namespace tl::files {

// Writes a new file completely and flushes it to the disk.
IoResult WriteNewFile(const std::filesystem::path& path, std::string_view bytes);

// Moves one file over another in one step.
IoResult MoveOver(const std::filesystem::path& from, const std::filesystem::path& to);

// A name beside `path` that no other running process uses.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& path);

}  // namespace tl::files
