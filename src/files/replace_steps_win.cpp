#include <windows.h>

#include <string>

#include "files/replace_steps.h"

namespace tl::files {

namespace fs = std::filesystem;

namespace {
IoResult SystemError(std::string_view what) {
  std::string text(what);
  text += " (Windows error ";
  text += std::to_string(::GetLastError());
  text += ')';
  return {text};
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
