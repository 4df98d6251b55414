#pragma once
// Every menu command of the program: the menu bar, the tray menu and the
// worksheet's right-click menu with its two submenus. One table gives each
// item its menu, its caption exactly as shown and its shortcut; the menus, the
// accelerators and the command-line replay are all built from it.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "settings/settings.h"

namespace tl::sheet {

enum class Command {
  // "&F.文件"
  New,
  Open,
  Save,
  SaveAs,
  Print,
  Exit,
  // "&E.编辑"
  Undo,
  Redo,
  Record,
  Accumulator,
  ClearAccumulator,
  Cut,
  Copy,
  CopyCompatible,
  Paste,
  PasteResult,
  ClearAll,
  SelectAll,
  RepairDocument,
  RefreshLine,
  VirtualKeyboard,
  LiveMode,
  FractionConversion,
  BatchEvaluate,
  // "&S.查找"
  FindReplace,
  FindPrevious,
  FindNext,
  CheckResults,
  // "&K.设置"
  Font,
  Options,
  ResetSettings,
  // "&H.关于"
  Help,
  About,
  // tray menu
  ShowWindow,
  TrayExit,
  // right-click menu (besides the edit menu's commands it shares)
  SelectLine,
  NumberToChinese,
  SumSelectedLines,
  DeleteLine,
  SeparatorLine,
  // right-click "&L.插入函数"
  InsertSin,
  InsertSinh,
  InsertAsin,
  InsertAsinh,
  InsertCos,
  InsertCosh,
  InsertAcos,
  InsertAcosh,
  InsertTan,
  InsertTanh,
  InsertAtan,
  InsertAtanh,
  InsertLg,
  InsertLog,
  InsertLn,
  InsertInt,
  // right-click "&Q.视图"
  ViewNormal,
  ViewStatusBar,
  ViewMenuBar,
  ViewTitleBar,
  ViewFullScreen,
  ViewAppearance,
};

enum class Menu { File, Edit, Search, Settings, About, Tray, Context, InsertFunction, View };

// A key with its modifier state (bits of keys.h); key 0 means no shortcut.
struct Shortcut {
  int modifiers = 0;
  int key = 0;
  bool operator==(const Shortcut&) const = default;
};

// One menu row. A command shown in two menus has a row in each.
struct CommandEntry {
  Command command;
  Menu menu;
  std::string_view caption;
  Shortcut shortcut;
  bool separatorBefore = false;
};

// How a menu shows a command's item when the menu opens.
struct MenuItemState {
  bool checked = false;
  bool enabled = true;
  bool shown = true;  // false: the item is left out of its menus
  bool operator==(const MenuItemState&) const = default;
};

// A menu: the five of the menu bar in bar order, the two pop-up menus (no
// caption), and the two submenus of the right-click menu, which sit in their
// parent just after the row of `after`.
struct MenuEntry {
  Menu menu;
  std::string_view caption;
  std::optional<Menu> parent;
  std::optional<Command> after;
};

// Every row, menu by menu, in menu order.
std::span<const CommandEntry> CommandTable();
std::span<const MenuEntry> MenuTable();

// The command whose caption is exactly `caption` (rows that share a caption
// share their command).
std::optional<Command> CommandByCaption(std::string_view caption);
// Whether the menus show the command's items: the two "&E.复制(兼容)" rows
// only while "*" and "/" are typed as "×" and "÷" (乘除替换).
bool CommandShown(Command command, const settings::Settings& settings);
// The command a shortcut runs: the first row in table order with it among
// the items shown. Ctrl+E is on two rows: "&E.复制(兼容)" while it is
// shown, "&E.修复文档错误" otherwise.
std::optional<Command> CommandByShortcut(Shortcut shortcut, const settings::Settings& settings);
// The caption of the command's first row, and the shortcut of its first row
// that has one.
std::string_view CaptionOf(Command command);
Shortcut ShortcutOf(Command command);
// "Ctrl+Z", "Shift+F3", "F5"; empty for no shortcut.
std::string ShortcutText(Shortcut shortcut);

}  // namespace tl::sheet
