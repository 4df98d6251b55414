#pragma once
// Whole-file reading and writing. A write never leaves a half-written file:
// the new content goes to a temporary file in the same folder, which then
// replaces the old file in one step; on any failure the old file stays as
// it was. Nothing here throws.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

namespace tl::files {

// Why an operation failed, as far as the user can do something about it.
enum class FailureCause { Unknown, Denied, DiskFull, InUse, FolderMissing };

// Empty `error` means success; otherwise it says what failed (without the
// path, which the caller knows and may show in its own encoding) and
// `cause` sorts the failure for the user.
struct IoResult {
  std::string error;
  FailureCause cause = FailureCause::Unknown;
  bool ok() const { return error.empty(); }
};

// The cause of a failure the system reported.
FailureCause CauseOf(const std::error_code& error);

struct FileContent {
  bool exists = false;  // false for a missing file, which is no error
  std::string bytes;
  std::string error;  // set when the file exists but could not be read
  FailureCause cause = FailureCause::Unknown;
};

FileContent ReadWholeFile(const std::filesystem::path& path);

// Replaces the file's content with `bytes` (creating the file if needed).
// A file replaced keeps its permissions. A symbolic link stays as it is: the
// file it leads to is the one replaced, and a link that leads to no file is
// an error. The folder must exist.
IoResult WriteWholeFile(const std::filesystem::path& path, std::string_view bytes);

class NewFile;

// The same replacement, its content written piece by piece: nothing changes
// until Commit, and a replacement dropped uncommitted, or one that failed,
// leaves the file as it was.
class FileReplacement {
 public:
  explicit FileReplacement(const std::filesystem::path& path);
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // The first failure is kept and returned by every later call.
  IoResult Write(std::string_view bytes);
  IoResult Commit();

 private:
  IoResult Fail(IoResult result);
  std::filesystem::path target_;
  std::filesystem::path temporary_;
  std::unique_ptr<NewFile> file_;
  bool keepPermissions_ = false;
  std::filesystem::perms permissions_ = std::filesystem::perms::none;
  IoResult failure_;
  bool done_ = false;
};

// Deletes the file; a missing file is no error.
IoResult RemoveFile(const std::filesystem::path& path);

// Creates the folder and any missing parents; an existing folder is no error.
IoResult CreateFolder(const std::filesystem::path& path);

bool FileExists(const std::filesystem::path& path);

// True for an existing file that nobody may write (on Windows: one with the
// read-only attribute). WriteWholeFile replaces such a file all the same;
// a writer that must respect it asks first.
bool IsReadOnly(const std::filesystem::path& path);

struct ResolvedPath {
  std::filesystem::path path;
  std::string error;  // empty on success
};

// The file that `path` names: `path` itself unless it is a symbolic link,
// otherwise the file at the end of the links. A link that leads to no file,
// or round in a circle, is an error.
ResolvedPath ResolveLinks(const std::filesystem::path& path);

}  // namespace tl::files
