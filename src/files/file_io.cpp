#include "files/file_io.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <system_error>

namespace tl::files {

namespace fs = std::filesystem;

namespace {
std::string Describe(std::string_view what, const std::error_code& error) {
  return std::string(what) + ": " + error.message();
}

IoResult Failed(std::string_view what, const std::error_code& error) {
  return {Describe(what, error), CauseOf(error)};
}
}  // namespace

FailureCause CauseOf(const std::error_code& error) {
  using enum std::errc;
  for (std::errc denied : {permission_denied, operation_not_permitted, read_only_file_system})
    if (error == denied) return FailureCause::Denied;
  for (std::errc full : {no_space_on_device, file_too_large})
    if (error == full) return FailureCause::DiskFull;
  for (std::errc busy : {device_or_resource_busy, text_file_busy})
    if (error == busy) return FailureCause::InUse;
  for (std::errc missing : {no_such_file_or_directory, not_a_directory})
    if (error == missing) return FailureCause::FolderMissing;
  return FailureCause::Unknown;
}

FileContent ReadWholeFile(const fs::path& path) {
  FileContent content;
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (status.type() == fs::file_type::not_found) return content;
  content.exists = true;
  if (error) {
    content.error = Describe("cannot inspect the file", error);
    return content;
  }
  if (!fs::is_regular_file(status)) {
    content.error = "not a regular file";
    return content;
  }
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    content.error = "cannot open the file for reading";
    content.cause = CauseOf(std::error_code(errno, std::generic_category()));
    return content;
  }
  content.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) {
    content.bytes.clear();
    content.error = "cannot read the file";
  }
  return content;
}

IoResult RemoveFile(const fs::path& path) {
  std::error_code error;
  fs::remove(path, error);
  if (error) return Failed("cannot delete the file", error);
  return {};
}

IoResult CreateFolder(const fs::path& path) {
  std::error_code error;
  fs::create_directories(path, error);
  if (error) return Failed("cannot create the folder", error);
  return {};
}

bool FileExists(const fs::path& path) {
  std::error_code error;
  return fs::exists(path, error);
}

bool IsReadOnly(const fs::path& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (error || !fs::exists(status)) return false;
  constexpr fs::perms kWrite =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  return (status.permissions() & kWrite) == fs::perms::none;
}

ResolvedPath ResolveLinks(const fs::path& path) {
  std::error_code error;
  if (!fs::is_symlink(fs::symlink_status(path, error))) return {path, {}};
  ResolvedPath resolved{fs::canonical(path, error), {}};
  if (error == std::errc::no_such_file_or_directory) {
    resolved.error = "the symbolic link leads to no file";
  } else if (error) {
    resolved.error = Describe("cannot follow the symbolic link", error);
  }
  return resolved;
}

}  // namespace tl::files
