#include "sheet/command.h"

#include <array>

#include "sheet/keys.h"

namespace tl::sheet {

namespace {

constexpr Shortcut Ctrl(char letter) {
  return {kCtrl, vk::Letter(letter)};
}
constexpr Shortcut Plain(int key) {
  return {kNoModifier, key};
}
constexpr Shortcut kNone{};
constexpr bool kSeparator = true;

using enum Command;
using M = Menu;

constexpr std::array kCommands = {
    CommandEntry{New, M::File, "&N.新建", Ctrl('N')},
    CommandEntry{Open, M::File, "&O.打开", Ctrl('O')},
    CommandEntry{Save, M::File, "&S.保存", Ctrl('S')},
    CommandEntry{SaveAs, M::File, "&A.另存为", kNone},
    CommandEntry{Print, M::File, "&P.打印", Ctrl('P')},
    CommandEntry{Exit, M::File, "&X.退出", Ctrl('Q'), kSeparator},

    CommandEntry{Undo, M::Edit, "&z.撤消", Ctrl('Z')},
    CommandEntry{Redo, M::Edit, "&Y.重做", Ctrl('Y')},
    CommandEntry{Record, M::Edit, "&A.记录", Ctrl('H'), kSeparator},
    CommandEntry{Accumulator, M::Edit, "&S.累加器", Ctrl('M')},
    CommandEntry{ClearAccumulator, M::Edit, "&O.清空累加器", kNone},
    CommandEntry{Cut, M::Edit, "&X.剪切", Ctrl('X'), kSeparator},
    CommandEntry{Copy, M::Edit, "&C.复制", Ctrl('C')},
    CommandEntry{CopyCompatible, M::Edit, "&E.复制(兼容)", Ctrl('E')},
    CommandEntry{Paste, M::Edit, "&P.粘贴", Ctrl('V')},
    CommandEntry{PasteResult, M::Edit, "&B.粘贴结果", Ctrl('R')},
    CommandEntry{ClearAll, M::Edit, "&D.清除全部", Ctrl('D')},
    CommandEntry{SelectAll, M::Edit, "&A.全选", Ctrl('A')},
    CommandEntry{RepairDocument, M::Edit, "&E.修复文档错误", Ctrl('E'), kSeparator},
    CommandEntry{RefreshLine, M::Edit, "&w.刷新行", Plain(vk::Function(5))},
    CommandEntry{VirtualKeyboard, M::Edit, "&I.虚拟键盘", Ctrl('I')},
    CommandEntry{LiveMode, M::Edit, "&G.实时计算", Ctrl('G')},
    CommandEntry{FractionConversion, M::Edit, "&F.分数转换", kNone},
    CommandEntry{BatchEvaluate, M::Edit, "&F.批量运算", kNone},

    CommandEntry{FindReplace, M::Search, "&F.查找和替换", Ctrl('F')},
    CommandEntry{FindPrevious, M::Search, "&P.查找上一个", {kShift, vk::Function(3)}},
    CommandEntry{FindNext, M::Search, "&N.查找下一个", Plain(vk::Function(3))},
    CommandEntry{CheckResults, M::Search, "&R.检查结果", Plain(vk::Function(6))},

    CommandEntry{Font, M::Settings, "&T.字体", Ctrl('T')},
    CommandEntry{Options, M::Settings, "&K.选项", Ctrl('K')},
    CommandEntry{ResetSettings, M::Settings, "&E.重置设置", kNone, kSeparator},

    CommandEntry{Help, M::About, "&K.帮助", Plain(vk::Function(1))},
    CommandEntry{About, M::About, "&A.关于和赞助", kNone, kSeparator},

    CommandEntry{ShowWindow, M::Tray, "打开计算器", kNone},
    CommandEntry{TrayExit, M::Tray, "退出", kNone},

    CommandEntry{Cut, M::Context, "&X.剪切", kNone},
    CommandEntry{Copy, M::Context, "&C.复制", kNone},
    CommandEntry{CopyCompatible, M::Context, "&E.复制(兼容)", kNone},
    CommandEntry{Paste, M::Context, "&P.粘贴", kNone},
    CommandEntry{PasteResult, M::Context, "&B.粘贴结果", kNone},
    CommandEntry{SelectLine, M::Context, "&W.选择行", kNone},
    CommandEntry{NumberToChinese, M::Context, "&K.数值转大写", kNone},
    CommandEntry{SumSelectedLines, M::Context, "&R.求和", kNone},
    CommandEntry{SelectAll, M::Context, "&A.全选", kNone},
    CommandEntry{Undo, M::Context, "&Z.撤消", kNone},
    CommandEntry{DeleteLine, M::Context, "&O.删除行", kNone},
    CommandEntry{ClearAll, M::Context, "&D.清除全部", kNone},
    CommandEntry{SeparatorLine, M::Context, "&L.分隔线", kNone},
    CommandEntry{FractionConversion, M::Context, "&F.分数转换", kNone},

    CommandEntry{InsertSin, M::InsertFunction, "sin(）", kNone},
    CommandEntry{InsertSinh, M::InsertFunction, "sinh(）", kNone},
    CommandEntry{InsertAsin, M::InsertFunction, "asin(）", kNone},
    CommandEntry{InsertAsinh, M::InsertFunction, "asinh(）", kNone},
    CommandEntry{InsertCos, M::InsertFunction, "cos(）", kNone},
    CommandEntry{InsertCosh, M::InsertFunction, "cosh(）", kNone},
    CommandEntry{InsertAcos, M::InsertFunction, "acos(）", kNone},
    CommandEntry{InsertAcosh, M::InsertFunction, "acosh(）", kNone},
    CommandEntry{InsertTan, M::InsertFunction, "tan(）", kNone},
    CommandEntry{InsertTanh, M::InsertFunction, "tanh(）", kNone},
    CommandEntry{InsertAtan, M::InsertFunction, "atan(）", kNone},
    CommandEntry{InsertAtanh, M::InsertFunction, "atanh(）", kNone},
    CommandEntry{InsertLg, M::InsertFunction, "lg(）", kNone},
    CommandEntry{InsertLog, M::InsertFunction, "log(,）", kNone},
    CommandEntry{InsertLn, M::InsertFunction, "ln(）", kNone},
    CommandEntry{InsertInt, M::InsertFunction, "int(）", kNone},

    CommandEntry{ViewNormal, M::View, "正常", kNone},
    CommandEntry{ViewStatusBar, M::View, "状态栏", kNone},
    CommandEntry{ViewMenuBar, M::View, "菜单栏", kNone},
    CommandEntry{ViewTitleBar, M::View, "标题栏", kNone},
    CommandEntry{ViewFullScreen, M::View, "全屏", kNone},
    CommandEntry{ViewAppearance, M::View, "外观设置", kNone},
};

constexpr std::array kMenus = {
    MenuEntry{M::File, "&F.文件", std::nullopt, std::nullopt},
    MenuEntry{M::Edit, "&E.编辑", std::nullopt, std::nullopt},
    MenuEntry{M::Search, "&S.查找", std::nullopt, std::nullopt},
    MenuEntry{M::Settings, "&K.设置", std::nullopt, std::nullopt},
    MenuEntry{M::About, "&H.关于", std::nullopt, std::nullopt},
    MenuEntry{M::Tray, "", std::nullopt, std::nullopt},
    MenuEntry{M::Context, "", std::nullopt, std::nullopt},
    MenuEntry{M::InsertFunction, "&L.插入函数", M::Context, Undo},
    MenuEntry{M::View, "&Q.视图", M::Context, FractionConversion},
};

std::string KeyName(int key) {
  if (key >= vk::kF1 && key < vk::kF1 + 12) return "F" + std::to_string(key - vk::kF1 + 1);
  return std::string(1, static_cast<char>(key));
}

}  // namespace

std::span<const CommandEntry> CommandTable() {
  return kCommands;
}

std::span<const MenuEntry> MenuTable() {
  return kMenus;
}

std::optional<Command> CommandByCaption(std::string_view caption) {
  for (const CommandEntry& entry : kCommands) {
    if (entry.caption == caption) return entry.command;
  }
  return std::nullopt;
}

bool CommandShown(Command command, const settings::Settings& settings) {
  return command != CopyCompatible || settings.乘除替换;
}

std::optional<Command> CommandByShortcut(Shortcut shortcut, const settings::Settings& settings) {
  if (shortcut.key == 0) return std::nullopt;
  for (const CommandEntry& entry : kCommands) {
    if (entry.shortcut == shortcut && CommandShown(entry.command, settings)) return entry.command;
  }
  return std::nullopt;
}

std::string_view CaptionOf(Command command) {
  for (const CommandEntry& entry : kCommands) {
    if (entry.command == command) return entry.caption;
  }
  return {};
}

Shortcut ShortcutOf(Command command) {
  for (const CommandEntry& entry : kCommands) {
    if (entry.command == command && entry.shortcut.key != 0) return entry.shortcut;
  }
  return {};
}

std::string ShortcutText(Shortcut shortcut) {
  if (shortcut.key == 0) return {};
  std::string text;
  if (shortcut.modifiers & kCtrl) text += "Ctrl+";
  if (shortcut.modifiers & kShift) text += "Shift+";
  if (shortcut.modifiers & kAlt) text += "Alt+";
  return text + KeyName(shortcut.key);
}

}  // namespace tl::sheet
