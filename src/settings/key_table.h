#pragma once
// Every configuration key once: its section, its name, how its value is
// stored, the text a missing key reads as, and the `Settings` field it fills.
// Loading, the writers and the reset walk this table and the ordered key
// lists below; nothing else names a key.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "settings/settings.h"

namespace tl::settings {

inline constexpr std::string_view kRunSection = "运行设置";
inline constexpr std::string_view kViewSection = "窗口状态设置";
inline constexpr std::string_view kStartWindowSection = "启动窗口位置";
inline constexpr std::string_view kOtherSection = "其他设置";
inline constexpr std::string_view kHotKeySection = "热键设置";
inline constexpr std::string_view kFontSection = "字体设置";
inline constexpr std::string_view kKeyboardSection = "键盘窗口设置";

enum class ValueType { Boolean, Integer, Counter, Colour, Text };

// The field a key fills. The 启动窗口位置 keys live in `Settings::_启动窗口`;
// a key that is only ever written has no field.
using Field =
    std::variant<std::monostate, bool Settings::*, int Settings::*, std::int64_t Settings::*,
                 std::uint32_t Settings::*, std::string Settings::*, int StartWindow::*>;

struct KeyInfo {
  std::string_view section;
  std::string_view key;
  ValueType type;
  std::string_view defaultText;  // what a missing key reads as
  Field field;
  int (*adjust)(int) = nullptr;  // applied to an integer after reading
};

// Fewer than one snapshot cannot be kept, and the undo history holds 500.
constexpr int ClampUndoCount(int count) {
  return count < 1 ? 50 : count > 500 ? 500 : count;
}

// clang-format off
inline constexpr KeyInfo kKeys[] = {
    {kRunSection, "窗口状态", ValueType::Integer, "0", &Settings::窗口状态},
    {kRunSection, "键盘开启", ValueType::Boolean, "假", &Settings::键盘开启},
    {kRunSection, "窗口代号", ValueType::Integer, "", &Settings::窗口代号},
    {kRunSection, "背景颜色", ValueType::Colour, "16777215", &Settings::背景颜色},
    {kRunSection, "退出设置", ValueType::Integer, "0", &Settings::退出设置},
    {kRunSection, "撤销设置", ValueType::Integer, "50", &Settings::撤销设置, ClampUndoCount},
    {kRunSection, "运行次数", ValueType::Counter, "1", &Settings::运行次数},
    {kRunSection, "运算精度设置", ValueType::Integer, "12", &Settings::运算精度设置},
    {kRunSection, "四舍五入", ValueType::Boolean, "", &Settings::四舍五入},
    {kRunSection, "笔记本用户", ValueType::Boolean, "", &Settings::笔记本用户},
    {kRunSection, "换行粘贴结果", ValueType::Boolean, "", &Settings::换行粘贴结果},
    {kRunSection, "空格分式", ValueType::Boolean, "假", &Settings::空格分式},
    {kRunSection, "小数类型", ValueType::Boolean, "真", &Settings::小数类型},
    {kRunSection, "边缘隐藏", ValueType::Boolean, "假", &Settings::边缘隐藏},
    {kRunSection, "乘除替换", ValueType::Boolean, "真", &Settings::乘除替换},
    {kRunSection, "双击复制", ValueType::Boolean, "真", &Settings::双击复制},
    {kRunSection, "动态刷新", ValueType::Boolean, "真", &Settings::动态刷新},
    {kRunSection, "启用皮肤", ValueType::Boolean, "假", &Settings::启用皮肤},
    {kRunSection, "忽略千分符", ValueType::Boolean, "假", &Settings::忽略千分符},
    {kRunSection, "起始选择位置", ValueType::Integer, "0", &Settings::起始选择位置},
    {kRunSection, "文件名称", ValueType::Text, "", &Settings::文件名称},
    {kRunSection, "内容已改", ValueType::Boolean, "假", &Settings::内容已改},
    {kRunSection, "皮肤滑块条", ValueType::Integer, "100", &Settings::皮肤滑块条},
    {kRunSection, "加载特效", ValueType::Boolean, "假", &Settings::加载特效},
    {kViewSection, "状态栏状态", ValueType::Boolean, "真", &Settings::状态栏状态},
    {kViewSection, "菜单栏状态", ValueType::Boolean, "真", &Settings::菜单栏状态},
    {kViewSection, "标题栏状态", ValueType::Boolean, "真", &Settings::标题栏状态},
    {kStartWindowSection, "_启动窗口.左边", ValueType::Integer, "0", &StartWindow::左边},
    {kStartWindowSection, "_启动窗口.顶边", ValueType::Integer, "0", &StartWindow::顶边},
    {kStartWindowSection, "_启动窗口.宽度", ValueType::Integer, "0", &StartWindow::宽度},
    {kStartWindowSection, "_启动窗口.高度", ValueType::Integer, "0", &StartWindow::高度},
    {kOtherSection, "允许多开", ValueType::Boolean, "假", &Settings::允许多开},
    {kOtherSection, "窗口前置", ValueType::Boolean, "", &Settings::窗口前置},
    {kOtherSection, "结果到粘贴板", ValueType::Boolean, "", &Settings::结果到粘贴板},
    {kOtherSection, "运算换行变量", ValueType::Boolean, "", &Settings::运算换行变量},
    {kOtherSection, "角度制选中", ValueType::Integer, "1", &Settings::角度制选中},
    {kOtherSection, "回车换行", ValueType::Boolean, "假", &Settings::回车换行},
    {kOtherSection, "记住窗口", ValueType::Boolean, "真", &Settings::记住窗口},
    {kOtherSection, "逗号千分割", ValueType::Integer, "0", &Settings::逗号千分割},
    {kOtherSection, "退出保存", ValueType::Boolean, "假", &Settings::退出保存},
    {kOtherSection, "分数类型", ValueType::Integer, "0", &Settings::分数类型},
    {kOtherSection, "成对括号", ValueType::Boolean, "", &Settings::成对括号},
    {kOtherSection, "自动折回", ValueType::Boolean, "假", &Settings::自动折回},
    {kOtherSection, "自动替换", ValueType::Boolean, "假", &Settings::自动替换},
    {kOtherSection, "按esc退出 ", ValueType::Boolean, "假", &Settings::按esc退出},
    {kOtherSection, "忽略汉字", ValueType::Boolean, "假", &Settings::忽略汉字},
    {kHotKeySection, "热键状态", ValueType::Boolean, "", &Settings::热键状态},
    {kHotKeySection, "辅助功能快捷键", ValueType::Integer, "0", &Settings::辅助功能快捷键},
    {kHotKeySection, "辅助快捷键", ValueType::Integer, "112", &Settings::辅助快捷键},
    {kHotKeySection, "全屏快捷键", ValueType::Boolean, "假", &Settings::全屏快捷键},
    {kHotKeySection, "全屏功能快捷键", ValueType::Integer, "0", &Settings::全屏功能快捷键},
    {kHotKeySection, "全屏辅助快捷键", ValueType::Integer, "112", &Settings::全屏辅助快捷键},
    {kFontSection, "字体加粗", ValueType::Boolean, "", &Settings::字体加粗},
    {kFontSection, "字体倾斜", ValueType::Boolean, "", &Settings::字体倾斜},
    {kFontSection, "字体删除线", ValueType::Boolean, "", &Settings::字体删除线},
    {kFontSection, "字体下划线", ValueType::Boolean, "", &Settings::字体下划线},
    {kFontSection, "字体名称", ValueType::Text, "Times New Roman", &Settings::字体名称},
    {kFontSection, "字体颜色", ValueType::Colour, "0", &Settings::字体颜色},
    {kFontSection, "字体大小", ValueType::Integer, "14", &Settings::字体大小},
    {kKeyboardSection, "键盘宽度", ValueType::Integer, "540", &Settings::键盘宽度},
    {kKeyboardSection, "键盘高度", ValueType::Integer, "285", &Settings::键盘高度},
    {kKeyboardSection, "键盘左边", ValueType::Integer, "285", &Settings::键盘左边},
    {kKeyboardSection, "键盘顶边", ValueType::Integer, "285", &Settings::键盘顶边},
    {kKeyboardSection, "键盘模式", ValueType::Boolean, "真", &Settings::键盘模式},
    // Written "真" when the keyboard window opens and "假" when it closes.
    {kKeyboardSection, "键盘开启", ValueType::Boolean, "假", std::monostate{}},
};
// clang-format on

// Not constexpr, never defined: naming a key that is not in the table
// calls it during constant evaluation, which stops the build.
void KeyIsNotInTheTable();

// The table's entry for a key.
consteval const KeyInfo& Key(std::string_view section, std::string_view key) {
  for (const KeyInfo& info : kKeys) {
    if (info.section == section && info.key == key) return info;
  }
  KeyIsNotInTheTable();
  return kKeys[0];
}

// Start-up reads in this order (main window placement, view states, the
// single-instance switch, background, font, options, then the caret that
// goes with the content backup), followed by the keys the windows read
// later from the file.
// clang-format off
inline constexpr const KeyInfo* kLoadOrder[] = {
    &Key(kRunSection, "窗口状态"),
    &Key(kStartWindowSection, "_启动窗口.宽度"), &Key(kStartWindowSection, "_启动窗口.高度"),
    &Key(kStartWindowSection, "_启动窗口.左边"), &Key(kStartWindowSection, "_启动窗口.顶边"),
    &Key(kViewSection, "状态栏状态"), &Key(kViewSection, "菜单栏状态"), &Key(kViewSection, "标题栏状态"),
    // Read with the view states: the single-instance check at start-up needs it.
    &Key(kOtherSection, "允许多开"),
    &Key(kRunSection, "背景颜色"), &Key(kRunSection, "皮肤滑块条"), &Key(kRunSection, "加载特效"),
    &Key(kFontSection, "字体加粗"), &Key(kFontSection, "字体倾斜"), &Key(kFontSection, "字体删除线"),
    &Key(kFontSection, "字体下划线"), &Key(kFontSection, "字体名称"), &Key(kFontSection, "字体颜色"),
    &Key(kFontSection, "字体大小"),
    &Key(kRunSection, "退出设置"), &Key(kRunSection, "撤销设置"), &Key(kRunSection, "运行次数"),
    &Key(kRunSection, "运算精度设置"), &Key(kRunSection, "四舍五入"), &Key(kRunSection, "笔记本用户"),
    &Key(kRunSection, "换行粘贴结果"), &Key(kOtherSection, "窗口前置"),
    &Key(kOtherSection, "结果到粘贴板"), &Key(kOtherSection, "运算换行变量"),
    &Key(kOtherSection, "角度制选中"), &Key(kOtherSection, "回车换行"), &Key(kOtherSection, "记住窗口"),
    &Key(kOtherSection, "逗号千分割"), &Key(kOtherSection, "退出保存"), &Key(kRunSection, "空格分式"),
    &Key(kRunSection, "小数类型"), &Key(kRunSection, "边缘隐藏"), &Key(kOtherSection, "分数类型"),
    &Key(kHotKeySection, "热键状态"), &Key(kHotKeySection, "辅助功能快捷键"),
    &Key(kHotKeySection, "辅助快捷键"), &Key(kOtherSection, "成对括号"), &Key(kOtherSection, "自动折回"),
    &Key(kOtherSection, "自动替换"), &Key(kOtherSection, "按esc退出 "),
    &Key(kHotKeySection, "全屏快捷键"), &Key(kHotKeySection, "全屏功能快捷键"),
    &Key(kHotKeySection, "全屏辅助快捷键"), &Key(kOtherSection, "忽略汉字"),
    &Key(kRunSection, "乘除替换"), &Key(kRunSection, "双击复制"), &Key(kRunSection, "动态刷新"),
    &Key(kRunSection, "启用皮肤"), &Key(kRunSection, "忽略千分符"), &Key(kRunSection, "键盘开启"),
    &Key(kRunSection, "起始选择位置"), &Key(kRunSection, "文件名称"), &Key(kRunSection, "内容已改"),
    // Read later by the single-instance hand-over and the virtual keyboard.
    &Key(kRunSection, "窗口代号"),
    &Key(kKeyboardSection, "键盘宽度"), &Key(kKeyboardSection, "键盘高度"),
    &Key(kKeyboardSection, "键盘左边"), &Key(kKeyboardSection, "键盘顶边"),
    &Key(kKeyboardSection, "键盘模式"),
};

// The virtual keyboard reads these from the file each time it opens.
inline constexpr const KeyInfo* kKeyboardReadOrder[] = {
    &Key(kKeyboardSection, "键盘宽度"), &Key(kKeyboardSection, "键盘高度"),
    &Key(kKeyboardSection, "键盘左边"), &Key(kKeyboardSection, "键盘顶边"),
    &Key(kKeyboardSection, "键盘模式"),
};

// Confirming the options dialog writes these, in this order.
inline constexpr const KeyInfo* kOptionsWriteOrder[] = {
    &Key(kRunSection, "双击复制"), &Key(kRunSection, "乘除替换"), &Key(kRunSection, "撤销设置"),
    &Key(kOtherSection, "自动替换"), &Key(kOtherSection, "自动折回"), &Key(kOtherSection, "成对括号"),
    &Key(kOtherSection, "分数类型"),
    &Key(kRunSection, "边缘隐藏"), &Key(kRunSection, "小数类型"),
    &Key(kHotKeySection, "热键状态"), &Key(kHotKeySection, "辅助功能快捷键"),
    &Key(kHotKeySection, "辅助快捷键"), &Key(kHotKeySection, "全屏快捷键"),
    &Key(kHotKeySection, "全屏功能快捷键"), &Key(kHotKeySection, "全屏辅助快捷键"),
    &Key(kRunSection, "运算精度设置"),
    &Key(kOtherSection, "角度制选中"),
    &Key(kRunSection, "空格分式"), &Key(kRunSection, "笔记本用户"), &Key(kRunSection, "换行粘贴结果"),
    &Key(kOtherSection, "窗口前置"), &Key(kOtherSection, "结果到粘贴板"),
    &Key(kOtherSection, "运算换行变量"), &Key(kOtherSection, "逗号千分割"),
    &Key(kOtherSection, "回车换行"), &Key(kOtherSection, "记住窗口"), &Key(kOtherSection, "允许多开"),
    &Key(kOtherSection, "退出保存"), &Key(kOtherSection, "按esc退出 "), &Key(kOtherSection, "忽略汉字"),
};

// The save at exit: the worksheet font, the window geometry (only with
// 记住窗口), the run state, the view states and the run counter.
inline constexpr const KeyInfo* kExitFontOrder[] = {
    &Key(kFontSection, "字体加粗"), &Key(kFontSection, "字体倾斜"), &Key(kFontSection, "字体删除线"),
    &Key(kFontSection, "字体下划线"), &Key(kFontSection, "字体名称"), &Key(kFontSection, "字体颜色"),
    &Key(kFontSection, "字体大小"),
};
inline constexpr const KeyInfo* kStartWindowOrder[] = {
    &Key(kStartWindowSection, "_启动窗口.左边"), &Key(kStartWindowSection, "_启动窗口.顶边"),
    &Key(kStartWindowSection, "_启动窗口.宽度"), &Key(kStartWindowSection, "_启动窗口.高度"),
};
inline constexpr const KeyInfo* kExitStateOrder[] = {
    &Key(kRunSection, "起始选择位置"), &Key(kRunSection, "退出设置"), &Key(kRunSection, "撤销设置"),
    &Key(kRunSection, "四舍五入"), &Key(kRunSection, "窗口状态"), &Key(kRunSection, "动态刷新"),
    &Key(kRunSection, "忽略千分符"), &Key(kRunSection, "启用皮肤"),
    &Key(kViewSection, "标题栏状态"), &Key(kViewSection, "菜单栏状态"), &Key(kViewSection, "状态栏状态"),
    &Key(kRunSection, "运行次数"),
};

// With 退出保存 the save at exit keeps the sheet's file and changed mark
// beside the content backup.
inline constexpr const KeyInfo* kExitDocumentOrder[] = {
    &Key(kRunSection, "文件名称"), &Key(kRunSection, "内容已改"),
};

// Closing the virtual keyboard writes these; its open flag follows them.
inline constexpr const KeyInfo* kKeyboardWriteOrder[] = {
    &Key(kKeyboardSection, "键盘宽度"), &Key(kKeyboardSection, "键盘高度"),
    &Key(kKeyboardSection, "键盘左边"), &Key(kKeyboardSection, "键盘顶边"),
};
inline constexpr const KeyInfo* kKeyboardOpenKey = &Key(kKeyboardSection, "键盘开启");
inline constexpr const KeyInfo* kKeyboardModeKey = &Key(kKeyboardSection, "键盘模式");
inline constexpr const KeyInfo* kKeyboardAtCloseKey = &Key(kRunSection, "键盘开启");
inline constexpr const KeyInfo* kWindowHandleKey = &Key(kRunSection, "窗口代号");
inline constexpr const KeyInfo* kCaretKey = &Key(kRunSection, "起始选择位置");
inline constexpr const KeyInfo* kCloseBehaviourKey = &Key(kRunSection, "退出设置");
// clang-format on

// Every row's declared type matches its field's type.
consteval bool TypesMatchFields() {
  for (const KeyInfo& info : kKeys) {
    const Field& f = info.field;
    bool ok = false;
    switch (info.type) {
      case ValueType::Boolean:
        ok = std::holds_alternative<bool Settings::*>(f) ||
             std::holds_alternative<std::monostate>(f);
        break;
      case ValueType::Integer:
        ok = std::holds_alternative<int Settings::*>(f) ||
             std::holds_alternative<int StartWindow::*>(f);
        break;
      case ValueType::Counter:
        ok = std::holds_alternative<std::int64_t Settings::*>(f);
        break;
      case ValueType::Colour:
        ok = std::holds_alternative<std::uint32_t Settings::*>(f);
        break;
      case ValueType::Text:
        ok = std::holds_alternative<std::string Settings::*>(f);
        break;
    }
    if (!ok) return false;
  }
  return true;
}
static_assert(TypesMatchFields());

// The field's current value as the file stores it.
std::string FieldText(const Settings& settings, const KeyInfo& info);

// Sets the field from the stored text, or from the key's default when the
// text is missing. A key without a field changes nothing.
void SetField(Settings& settings, const KeyInfo& info, std::optional<std::string_view> stored);

}  // namespace tl::settings
