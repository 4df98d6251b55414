#pragma once
// The menu bar, the right-click menu, the tray menu and the accelerators,
// all built from the worksheet's command table.
#include <windows.h>

#include <optional>

#include "settings/settings.h"
#include "sheet/command.h"

namespace tl::app {

// Menu item ids are the commands' values from here on.
inline constexpr UINT kCommandIdBase = 1000;

inline UINT CommandId(sheet::Command command) {
  return kCommandIdBase + static_cast<UINT>(command);
}
std::optional<sheet::Command> CommandFromId(UINT id);

struct Menus {
  HMENU bar = nullptr;      // the five menus of the menu bar
  HMENU context = nullptr;  // the worksheet's right-click menu
  HMENU tray = nullptr;
  HMENU contextHolder = nullptr;  // owns `context` and `tray` so that they are destroyed
};

Menus BuildMenus();
void DestroyMenus(Menus& menus);
HACCEL BuildAccelerators();
// The command an accelerator runs now: the item shown for its shortcut
// (Ctrl+E is "&E.复制(兼容)" only while that item is in the menus).
std::optional<sheet::Command> CommandFromAccelerator(UINT id, const settings::Settings& settings);

// Check mark and availability in every menu that shows the command.
void SetCommandChecked(const Menus& menus, sheet::Command command, bool checked);
void SetCommandEnabled(const Menus& menus, sheet::Command command, bool enabled);

// Removes the command's items, or puts them back where the command table
// has them (after the row before them in the same menu).
void SetCommandVisible(const Menus& menus, sheet::Command command, bool visible);

}  // namespace tl::app
