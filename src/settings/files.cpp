#include "settings/files.h"

namespace tl::settings {

namespace fs = std::filesystem;

// The names are UTF-8 literals so that the path holds the right characters
// on every platform, whatever the execution character set.
SettingsFiles FilesUnder(const fs::path& programDirectory) {
  SettingsFiles files;
  files.runFolder = programDirectory / fs::path(u8"Tallyline运行文件");
  files.configuration = files.runFolder / fs::path(u8"Tallyline配置文件.ini");
  files.contentBackup = files.runFolder / fs::path(u8"Tallyline备份文件.txt");
  files.backupSettings = files.runFolder / fs::path(u8"Tallyline备份文件.ini");
  files.instanceLock = files.runFolder / fs::path(u8"fzdk");
  return files;
}

}  // namespace tl::settings
