#include "app/frame/instance_lock.h"

namespace tl::app {

InstanceLock::~InstanceLock() {
  if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
}

bool InstanceLock::Acquire(const std::filesystem::path& lockFile) {
  if (GetFileAttributesW(lockFile.c_str()) == INVALID_FILE_ATTRIBUTES) {
    HANDLE created = CreateFileW(lockFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created != INVALID_HANDLE_VALUE) {
      const char zero = 0;
      DWORD written = 0;
      WriteFile(created, &zero, 1, &written, nullptr);
      CloseHandle(created);
    }
  }
  file_ = CreateFileW(lockFile.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                      FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file_ != INVALID_HANDLE_VALUE) return true;
  // A lock file that cannot be made (no run folder yet, a read-only folder)
  // must not keep the program from starting; only a held lock does.
  return GetLastError() != ERROR_SHARING_VIOLATION;
}

}  // namespace tl::app
