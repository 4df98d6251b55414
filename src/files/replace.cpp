// WriteWholeFile: the new content goes to a temporary file beside the file,
// which then takes the file's place in one step.
#include <fstream>
#include <system_error>

#include "files/file_io.h"
#include "files/replace_steps.h"

namespace tl::files {

namespace fs = std::filesystem;

namespace {
IoResult SetPermissions(const fs::path& path, fs::perms permissions) {
  std::error_code failure;
  fs::permissions(path, permissions, failure);
  if (failure) return {"cannot set the file's permissions: " + failure.message()};
  return {};
}
}  // namespace

IoResult WriteWholeFile(const fs::path& path, std::string_view bytes) {
  // The new file goes beside the file a link leads to, where moving it over
  // that file is one step, and the link stays.
  const ResolvedPath target = ResolveLinks(path);
  if (!target.error.empty()) return {target.error};
  std::error_code failure;
  const fs::file_status old = fs::status(target.path, failure);
  const bool keepPermissions = !failure && fs::is_regular_file(old);
  const fs::path temporary = TemporaryPathFor(target.path);
  IoResult result;
  if (keepPermissions) {
    // The temporary file takes the old file's permissions while it is still
    // empty (and writable by its owner until the content is in), so that the
    // new content is never readable by more people than the old was.
    if (!std::ofstream(temporary, std::ios::binary)) return {"cannot create the file"};
    result = SetPermissions(temporary, old.permissions() | fs::perms::owner_write);
  }
  if (result.ok()) result = WriteNewFile(temporary, bytes);
  if (result.ok() && keepPermissions) result = SetPermissions(temporary, old.permissions());
  if (result.ok()) result = MoveOver(temporary, target.path);
  if (!result.ok()) fs::remove(temporary, failure);
  return result;
}

}  // namespace tl::files
