#include "cli/file_replace.h"

#include <fstream>
#include <system_error>

namespace tl::cli {

namespace fs = std::filesystem;

files::IoResult ReplaceFileKeepingMode(const fs::path& path, std::string_view bytes) {
  std::error_code failure;
  const fs::file_status old = fs::status(path, failure);
  if (failure || !fs::is_regular_file(old)) return files::WriteWholeFile(path, bytes);
  // The temporary file takes the old file's permissions while it is still
  // empty (and writable by its owner until the content is in), so that the
  // new content is never readable by more people than the old was.
  const fs::path temporary = files::TemporaryPathFor(path);
  if (!std::ofstream(temporary, std::ios::binary)) return {"cannot create the file"};
  fs::permissions(temporary, old.permissions() | fs::perms::owner_write, failure);
  files::IoResult result;
  if (failure) result.error = "cannot set the file's permissions: " + failure.message();
  if (result.ok()) result = files::WriteNewFile(temporary, bytes);
  if (result.ok()) {
    fs::permissions(temporary, old.permissions(), failure);
    if (failure) result.error = "cannot set the file's permissions: " + failure.message();
  }
  if (result.ok()) result = files::MoveOver(temporary, path);
  if (!result.ok()) fs::remove(temporary, failure);
  return result;
}

}  // namespace tl::cli
