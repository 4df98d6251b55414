#pragma once
// The single-instance lock: the lock file held open, unshared, for the whole
// run of the first instance.
#include <windows.h>

#include <filesystem>

namespace tl::app {

class InstanceLock {
 public:
  InstanceLock() = default;
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // Creates the lock file (one byte 0x00) when it is missing, then opens it
  // with sharing denied. False when another instance holds it. A stale file
  // left by a crash opens normally.
  bool Acquire(const std::filesystem::path& lockFile);

 private:
  HANDLE file_ = INVALID_HANDLE_VALUE;
};

}  // namespace tl::app
