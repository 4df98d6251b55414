#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "files/replace_steps.h"

namespace tl::files {

namespace fs = std::filesystem;

namespace {
IoResult SystemError(std::string_view what) {
  const std::error_code error(errno, std::generic_category());
  return {std::string(what) + ": " + error.message(), CauseOf(error)};
}
}  // namespace

NewFile::~NewFile() {
  if (handle_ >= 0) ::close(static_cast<int>(handle_));
}

IoResult NewFile::Create(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return SystemError("cannot create the file");
  handle_ = fd;
  return {};
}

IoResult NewFile::Write(std::string_view bytes) {
  const int fd = static_cast<int>(handle_);
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return SystemError("cannot write the file");
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return {};
}

IoResult NewFile::Close() {
  const int fd = static_cast<int>(handle_);
  handle_ = -1;
  if (::fsync(fd) != 0) {
    IoResult result = SystemError("cannot flush the file");
    ::close(fd);
    return result;
  }
  if (::close(fd) != 0) return SystemError("cannot close the file");
  return {};
}

IoResult MoveOver(const fs::path& from, const fs::path& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) return SystemError("cannot replace the file");
  return {};
}

fs::path TemporaryPathFor(const fs::path& path) {
  fs::path temporary = path;
  temporary += "." + std::to_string(::getpid()) + ".tmp";
  return temporary;
}

}  // namespace tl::files
