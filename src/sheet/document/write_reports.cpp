#include "sheet/document/write_reports.h"

#include "text/encoding.h"

namespace tl::sheet {

namespace {

std::string_view TaskText(FileTask task) {
  switch (task) {
    case FileTask::SaveConfiguration:
      return "配置文件保存失败";
    case FileTask::SaveContentBackup:
      return "内容备份保存失败";
    case FileTask::ReadContentBackup:
      return "内容备份读取失败";
    case FileTask::ResetFiles:
      return "重置未能删除运行文件";
  }
  return {};
}

}  // namespace

std::string msg::FailureReason(const files::IoResult& result) {
  switch (result.cause) {
    case files::FailureCause::Denied:
      return "拒绝访问（文件只读、没有权限或被其他程序锁定）";
    case files::FailureCause::DiskFull:
      return "磁盘空间不足";
    case files::FailureCause::InUse:
      return "文件正被其他程序使用";
    case files::FailureCause::FolderMissing:
      return "文件夹不存在";
    case files::FailureCause::Unknown:
      break;
  }
  // The system's own words, which name the failed step.
  return "系统错误（" + result.error + "）";
}

std::string msg::FileTaskFailed(FileTask task, const files::IoResult& result) {
  return "   [文件错误]_" + std::string(TaskText(task)) + "：" + FailureReason(result) + "！";
}

bool ReportWrite(Host& host, const files::IoResult& result, FileTask task) {
  if (result.ok()) return true;
  host.SetStatusText(msg::FileTaskFailed(task, result));
  return false;
}

std::string ShownPath(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return text::Utf8ToGbk({reinterpret_cast<const char*>(utf8.data()), utf8.size()});
}

}  // namespace tl::sheet
