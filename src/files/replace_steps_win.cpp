#include <windows.h>

#include <string>

#include "files/replace_steps.h"

namespace tl::files {

namespace fs = std::filesystem;

namespace {
FailureCause CauseOfWindowsError(DWORD code) {
  switch (code) {
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
      return FailureCause::Denied;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return FailureCause::DiskFull;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
      return FailureCause::InUse;
    case ERROR_PATH_NOT_FOUND:
      return FailureCause::FolderMissing;
    default:
      return FailureCause::Unknown;
  }
}

IoResult SystemError(std::string_view what, DWORD code = ::GetLastError()) {
  std::string text(what);
  text += " (Windows error ";
  text += std::to_string(code);
  text += ')';
  return {text, CauseOfWindowsError(code)};
}
}  // namespace

namespace {
HANDLE AsHandle(std::intptr_t handle) {
  return reinterpret_cast<HANDLE>(handle);
}
}  // namespace

NewFile::~NewFile() {
  if (AsHandle(handle_) != INVALID_HANDLE_VALUE) ::CloseHandle(AsHandle(handle_));
}

IoResult NewFile::Create(const fs::path& path) {
  const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return SystemError("cannot create the file");
  handle_ = reinterpret_cast<std::intptr_t>(file);
  return {};
}

IoResult NewFile::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > 0x40000000 ? 0x40000000 : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!::WriteFile(AsHandle(handle_), bytes.data(), chunk, &written, nullptr) || written == 0) {
      return SystemError("cannot write the file");
    }
    bytes.remove_prefix(written);
  }
  return {};
}

IoResult NewFile::Close() {
  const HANDLE file = AsHandle(handle_);
  handle_ = reinterpret_cast<std::intptr_t>(INVALID_HANDLE_VALUE);
  if (!::FlushFileBuffers(file)) {
    IoResult result = SystemError("cannot flush the file");
    ::CloseHandle(file);
    return result;
  }
  if (!::CloseHandle(file)) return SystemError("cannot close the file");
  return {};
}

IoResult MoveOver(const fs::path& from, const fs::path& to) {
  if (!::MoveFileExW(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return SystemError("cannot replace the file");
  }
  return {};
}

fs::path TemporaryPathFor(const fs::path& path) {
  fs::path temporary = path;
  temporary += L".";
  temporary += std::to_wstring(::GetCurrentProcessId());
  temporary += L".tmp";
  return temporary;
}

}  // namespace tl::files
