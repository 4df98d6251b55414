// Menu commands: the window's own, and the worksheet's.
#include "main_window_state.h"
#include "settings/reset.h"
#include "worksheet_font.h"

namespace tl::app {

namespace {

using sheet::Command;

void ResetAllSettings(MainWindow& state) {
  sheet::MessageBoxRequest question;
  question.text = settings::kResetQuestion;
  question.title = settings::kResetTitle;
  question.buttons = sheet::MessageBoxButtons::YesNo;
  question.icon = sheet::MessageBoxIcon::Warning;
  bool yes = state.host->ShowMessageBox(question) == sheet::MessageBoxAnswer::Yes;
  if (!settings::ResetSettings(state.settings, state.files, yes).applied) return;
  ApplyWorksheetFont(state);
  ShowWindow(state.window, SW_SHOWNORMAL);
  const settings::Geometry& g = state.settings.NormalGeometry;
  MoveTo(state.window, {g.left, g.top, g.width, g.height});
  state.edgeHideHold = settings::kResetEdgeHideHold;
}

}  // namespace

bool CommandAvailable(Command command) {
  switch (command) {
    // The window's own commands.
    case Command::Exit:
    case Command::TrayExit:
    case Command::ShowWindow:
    case Command::Font:
    case Command::ResetSettings:
    case Command::ViewNormal:
    case Command::ViewStatusBar:
    case Command::ViewMenuBar:
    case Command::ViewTitleBar:
    case Command::ViewFullScreen:
    case Command::ViewAppearance:
      return true;
    // Everything else is the worksheet's, as far as it is built; the
    // windows for files, options, find, the accumulator, number conversion,
    // the virtual keyboard and help come later.
    default:
      return sheet::Worksheet::Handles(command);
  }
}

void RunCommand(MainWindow& state, Command command) {
  if (!CommandAvailable(command)) return;
  switch (command) {
    case Command::Exit:
    case Command::TrayExit:
      DestroyWindow(state.window);
      return;
    case Command::ShowWindow:
      ShowWindow(state.window, SW_SHOW);
      return;
    case Command::Font:
      if (ChooseWorksheetFont(state.window, state.settings)) ApplyWorksheetFont(state);
      return;
    case Command::ResetSettings:
      ResetAllSettings(state);
      return;
    case Command::ViewNormal:
    case Command::ViewStatusBar:
    case Command::ViewMenuBar:
    case Command::ViewTitleBar:
    case Command::ViewFullScreen:
    case Command::ViewAppearance:
      RunViewCommand(state, command);
      return;
    default: {
      EditBatch batch(*state.edit);
      state.worksheet->Execute(command);
      return;
    }
  }
}

}  // namespace tl::app
