// The menus' check marks, greying and items, computed as a menu opens: the
// window answers for its own view items and the virtual keyboard, the
// worksheet for its modes and options; a command whose behaviour is not
// built stays grey.
#include "app/main_window_state.h"
#include "app/virtual_keyboard_window.h"

namespace tl::app {

namespace {

using sheet::Command;

sheet::MenuItemState CommandState(const MainWindow& state, Command command) {
  sheet::MenuItemState item =
      state.session ? state.session->Sheet().MenuState(command) : sheet::MenuItemState{};
  const settings::Settings& s = state.settings;
  switch (command) {
    case Command::ViewStatusBar:
      item.checked = s.状态栏状态;
      break;
    case Command::ViewMenuBar:
      item.checked = s.菜单栏状态;
      break;
    case Command::ViewTitleBar:
      item.checked = s.标题栏状态;
      break;
    case Command::ViewFullScreen:
      item.checked = state.fullScreenChecked;
      break;
    case Command::VirtualKeyboard:
      item.checked = VirtualKeyboardOpen(state);
      break;
    default:
      break;
  }
  item.enabled = item.enabled && CommandAvailable(command);
  return item;
}

}  // namespace

void OnInitMenuPopup(const MainWindow& state, HMENU popup) {
  ShowMenuStates(state.menus, popup,
                 [&state](Command command) { return CommandState(state, command); });
}

}  // namespace tl::app
