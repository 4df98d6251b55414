#include "app/menus.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "app/win_text.h"
#include "sheet/keys.h"

namespace tl::app {

namespace {

using sheet::Command;
using sheet::Menu;

std::wstring ItemText(const sheet::CommandEntry& row) {
  std::string text(row.caption);
  std::string shortcut = sheet::ShortcutText(row.shortcut);
  if (!shortcut.empty()) text += "\t" + shortcut;
  return Wide(text);
}

// Appends a menu's rows, with each submenu inserted after its anchor row.
void FillMenu(HMENU handle, Menu menu, const std::map<Menu, HMENU>& handles) {
  for (const auto& row : sheet::CommandTable()) {
    if (row.menu != menu) continue;
    if (row.separatorBefore) AppendMenuW(handle, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(handle, MF_STRING, CommandId(row.command), ItemText(row).c_str());
    for (const auto& sub : sheet::MenuTable()) {
      if (sub.parent == menu && sub.after == row.command)
        AppendMenuW(handle, MF_POPUP, reinterpret_cast<UINT_PTR>(handles.at(sub.menu)),
                    Wide(sub.caption).c_str());
    }
  }
}

BYTE VirtualFlags(int modifiers) {
  BYTE flags = FVIRTKEY;
  if (modifiers & sheet::kCtrl) flags |= FCONTROL;
  if (modifiers & sheet::kShift) flags |= FSHIFT;
  if (modifiers & sheet::kAlt) flags |= FALT;
  return flags;
}

// The menu below `root`, at any depth, that holds the item `id`, and its place.
bool FindItem(HMENU root, UINT id, HMENU& menu, int& position) {
  const int count = GetMenuItemCount(root);
  for (int i = 0; i < count; ++i) {
    if (GetMenuItemID(root, i) == id) {
      menu = root;
      position = i;
      return true;
    }
    if (HMENU sub = GetSubMenu(root, i); sub && FindItem(sub, id, menu, position)) return true;
  }
  return false;
}

HMENU RootOf(const Menus& menus, Menu menu) {
  switch (menu) {
    case Menu::Tray:
      return menus.tray;
    case Menu::Context:
    case Menu::InsertFunction:
    case Menu::View:
      return menus.context;
    default:
      return menus.bar;
  }
}

// Shows or hides the item of one row of the command table.
void SetRowVisible(const Menus& menus, const sheet::CommandEntry& row,
                   const sheet::CommandEntry* before, bool visible) {
  HMENU root = RootOf(menus, row.menu);
  HMENU menu = nullptr;
  int position = 0;
  const bool shown = FindItem(root, CommandId(row.command), menu, position);
  if (!visible && shown) DeleteMenu(menu, static_cast<UINT>(position), MF_BYPOSITION);
  if (!visible || shown || !before) return;
  if (FindItem(root, CommandId(before->command), menu, position))
    InsertMenuW(menu, static_cast<UINT>(position + 1), MF_BYPOSITION | MF_STRING,
                CommandId(row.command), ItemText(row).c_str());
}

}  // namespace

std::optional<Command> CommandFromId(UINT id) {
  for (const auto& row : sheet::CommandTable())
    if (CommandId(row.command) == id) return row.command;
  return std::nullopt;
}

Menus BuildMenus() {
  std::map<Menu, HMENU> handles;
  for (const auto& menu : sheet::MenuTable()) handles[menu.menu] = CreatePopupMenu();
  // Submenus first, so that their parents can take them.
  for (const auto& menu : sheet::MenuTable())
    if (menu.parent) FillMenu(handles[menu.menu], menu.menu, handles);
  Menus menus;
  menus.bar = CreateMenu();
  for (const auto& menu : sheet::MenuTable()) {
    if (menu.parent) continue;
    FillMenu(handles[menu.menu], menu.menu, handles);
    if (!menu.caption.empty())
      AppendMenuW(menus.bar, MF_POPUP, reinterpret_cast<UINT_PTR>(handles[menu.menu]),
                  Wide(menu.caption).c_str());
  }
  menus.context = handles[Menu::Context];
  menus.tray = handles[Menu::Tray];
  menus.contextHolder = CreateMenu();
  AppendMenuW(menus.contextHolder, MF_POPUP, reinterpret_cast<UINT_PTR>(menus.context), L"");
  AppendMenuW(menus.contextHolder, MF_POPUP, reinterpret_cast<UINT_PTR>(menus.tray), L"");
  return menus;
}

void DestroyMenus(Menus& menus) {
  // The bar is destroyed with its window when attached; a detached bar is ours.
  if (menus.bar) DestroyMenu(menus.bar);
  if (menus.contextHolder) DestroyMenu(menus.contextHolder);
  menus = {};
}

HACCEL BuildAccelerators() {
  std::vector<ACCEL> accelerators;
  for (const auto& row : sheet::CommandTable()) {
    // One accelerator a shortcut: the rows that share Ctrl+E are told apart
    // when it is pressed (CommandFromAccelerator).
    if (row.shortcut.key == 0 || sheet::ShortcutOf(row.command) != row.shortcut) continue;
    const BYTE flags = VirtualFlags(row.shortcut.modifiers);
    const auto key = static_cast<WORD>(row.shortcut.key);
    const bool taken = std::ranges::any_of(
        accelerators, [&](const ACCEL& a) { return a.fVirt == flags && a.key == key; });
    if (!taken) accelerators.push_back({flags, key, static_cast<WORD>(CommandId(row.command))});
  }
  return CreateAcceleratorTableW(accelerators.data(), static_cast<int>(accelerators.size()));
}

std::optional<Command> CommandFromAccelerator(UINT id, const settings::Settings& settings) {
  const std::optional<Command> command = CommandFromId(id);
  if (!command) return std::nullopt;
  return sheet::CommandByShortcut(sheet::ShortcutOf(*command), settings);
}

void ShowMenuStates(const Menus& menus, HMENU popup,
                    const std::function<sheet::MenuItemState(Command)>& state) {
  std::map<Menu, const sheet::CommandEntry*> previous;  // each menu's row before this one
  for (const auto& row : sheet::CommandTable()) {
    SetRowVisible(menus, row, previous[row.menu], state(row.command).shown);
    previous[row.menu] = &row;
  }
  const int count = GetMenuItemCount(popup);
  for (int i = 0; i < count; ++i) {
    const std::optional<Command> command = CommandFromId(GetMenuItemID(popup, i));
    if (!command) continue;  // a separator or a submenu
    const sheet::MenuItemState item = state(*command);
    const UINT at = static_cast<UINT>(i);
    CheckMenuItem(popup, at, MF_BYPOSITION | (item.checked ? MF_CHECKED : MF_UNCHECKED));
    EnableMenuItem(popup, at, MF_BYPOSITION | (item.enabled ? MF_ENABLED : MF_GRAYED));
  }
}

}  // namespace tl::app
