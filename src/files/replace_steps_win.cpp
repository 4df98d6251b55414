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

IoResult WriteNewFile(const fs::path& path, std::string_view bytes) {
  const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return SystemError("cannot create the file");
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > 0x40000000 ? 0x40000000 : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) {
      IoResult result = SystemError("cannot write the file");
      ::CloseHandle(file);
      return result;
    }
    bytes.remove_prefix(written);
  }
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
