#pragma once
// The platform parts of replacing a file.
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "files/file_io.h"

namespace tl::files {

// A new file being written. Close flushes it to the disk; a file dropped
// without Close is closed unflushed.
class NewFile {
 public:
  NewFile() = default;
  ~NewFile();
  NewFile(const NewFile&) = delete;
  NewFile& operator=(const NewFile&) = delete;

  IoResult Create(const std::filesystem::path& path);
  IoResult Write(std::string_view bytes);
  IoResult Close();

 private:
  std::intptr_t handle_ = -1;  // a file descriptor, or a Windows handle
};

// Moves one file over another in one step.
IoResult MoveOver(const std::filesystem::path& from, const std::filesystem::path& to);

// A name beside `path` that no other running process uses.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& path);

}  // namespace tl::files
