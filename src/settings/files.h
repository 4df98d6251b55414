#pragma once
// The files the program keeps beside itself, all in one run folder under the
// program directory.
#include <filesystem>

namespace tl::settings {

struct SettingsFiles {
  std::filesystem::path runFolder;       // Tallyline运行文件
  std::filesystem::path configuration;   // Tallyline配置文件.ini
  std::filesystem::path contentBackup;   // Tallyline备份文件.txt: the worksheet between runs
  std::filesystem::path backupSettings;  // Tallyline备份文件.ini: only ever deleted
  std::filesystem::path instanceLock;    // fzdk: held open by the running instance
};

SettingsFiles FilesUnder(const std::filesystem::path& programDirectory);

// The folder of the running executable; empty when the system cannot say.
std::filesystem::path ProgramDirectory();

}  // namespace tl::settings
