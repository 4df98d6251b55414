#pragma once
// What the user is told when a file of the program cannot be written: one
// status message for the writers that run while the sheet stays open, and
// the question of the save at exit.
#include <filesystem>
#include <string>
#include <string_view>

#include "files/file_io.h"
#include "sheet/seams/host.h"

namespace tl::sheet {

// What was being done to the program's files.
enum class FileTask { SaveConfiguration, SaveContentBackup, ReadContentBackup, ResetFiles };

namespace msg {

// "   [文件错误]_配置文件保存失败：磁盘空间不足！"
std::string FileTaskFailed(FileTask task, const files::IoResult& result);

// Why a file operation failed, in words: "磁盘空间不足".
std::string FailureReason(const files::IoResult& result);

}  // namespace msg

// Shows a failed write (or read) in the status bar and returns false; one
// that worked shows nothing and returns true. Every writer of the program's files
// that runs while the window stays open reports through this:
//   ReportWrite(host, settings::SaveOptions(settings, files));
bool ReportWrite(Host& host, const files::IoResult& result,
                 FileTask task = FileTask::SaveConfiguration);

// The path as the status bar and message boxes show it (GBK).
std::string ShownPath(const std::filesystem::path& path);

}  // namespace tl::sheet
