#pragma once
// The menu bar, the right-click menu, the tray menu and the accelerators,
// all built from the worksheet's command table.
#include <windows.h>

#include <functional>
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

// A menu about to open (WM_INITMENUPOPUP, or before a menu that sends no
// notification is tracked): every command's items are left out of their
// menus or put back where the command table has them, as `state` says,
// then each item of `popup` is checked and greyed as `state` gives it now.
void ShowMenuStates(const Menus& menus, HMENU popup,
                    const std::function<sheet::MenuItemState(sheet::Command)>& state);

}  // namespace tl::app
