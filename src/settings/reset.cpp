#include "settings/reset.h"

#include "settings/key_table.h"

namespace tl::settings {

using files::IoResult;
using files::RemoveFile;

namespace {

struct ResetValue {
  const KeyInfo* key;
  std::string_view text;
};

// clang-format off
constexpr ResetValue kResetValues[] = {
    {&Key(kFontSection, "字体加粗"), "假"}, {&Key(kFontSection, "字体倾斜"), "假"},
    {&Key(kFontSection, "字体删除线"), "假"}, {&Key(kFontSection, "字体下划线"), "假"},
    {&Key(kFontSection, "字体名称"), "Times New Roman"}, {&Key(kFontSection, "字体颜色"), "0"},
    {&Key(kFontSection, "字体大小"), "14"}, {&Key(kRunSection, "背景颜色"), "16777215"},
    {&Key(kRunSection, "退出设置"), "0"}, {&Key(kRunSection, "撤销设置"), "50"},
    {&Key(kRunSection, "运行次数"), "1"},
    // 13 here, although a missing key reads 12.
    {&Key(kRunSection, "运算精度设置"), "13"},
    {&Key(kRunSection, "四舍五入"), "假"}, {&Key(kRunSection, "笔记本用户"), "假"},
    {&Key(kRunSection, "换行粘贴结果"), "假"}, {&Key(kOtherSection, "窗口前置"), "假"},
    {&Key(kOtherSection, "结果到粘贴板"), "假"}, {&Key(kOtherSection, "运算换行变量"), "假"},
    {&Key(kOtherSection, "角度制选中"), "1"}, {&Key(kOtherSection, "回车换行"), "假"},
    {&Key(kOtherSection, "退出保存"), "假"},
};
// clang-format on

}  // namespace

ResetResult ResetSettings(Settings& settings, const SettingsFiles& files, bool answeredYes) {
  ResetResult result;
  if (!answeredYes) return result;
  result.applied = true;
  for (const ResetValue& value : kResetValues) SetField(settings, *value.key, value.text);
  for (const auto* path : {&files.backupSettings, &files.contentBackup, &files.configuration}) {
    const IoResult removed = RemoveFile(*path);
    if (!removed.ok() && result.files.ok()) result.files = removed;
  }
  return result;
}

}  // namespace tl::settings
