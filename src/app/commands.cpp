// Menu commands: the window's own, and the worksheet's.
#include "app/main_window_state.h"
#include "app/virtual_keyboard_window.h"
#include "app/worksheet_font.h"
#include "settings/reset.h"

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
  const settings::ResetResult reset = settings::ResetSettings(state.settings, state.files, yes);
  if (!reset.applied) return;
  ApplyWorksheetFont(state);
  ShowWindow(state.window, SW_SHOWNORMAL);
  state.normalGeometry = reset.window;
  const settings::Geometry& g = reset.window;
  MoveTo(state.window, {g.left, g.top, g.width, g.height});
  state.edgeHideHold = settings::kResetEdgeHideHold;
}

// The window's own commands; every other command is the worksheet's.
using WindowHandler = void (*)(MainWindow&, Command);

void Close(MainWindow& state, Command) {
  DestroyWindow(state.window);
}
void Show(MainWindow& state, Command) {
  ShowWindow(state.window, SW_SHOW);
}
void PickFont(MainWindow& state, Command) {
  if (ChooseWorksheetFont(state.window, state.settings)) ApplyWorksheetFont(state);
}
void Reset(MainWindow& state, Command) {
  ResetAllSettings(state);
}
void Keyboard(MainWindow& state, Command) {
  ToggleVirtualKeyboard(state);
}

struct WindowCommand {
  Command command;
  WindowHandler handler;
};

constexpr WindowCommand kWindowCommands[] = {
    {Command::Exit, Close},
    {Command::TrayExit, Close},
    {Command::ShowWindow, Show},
    {Command::Font, PickFont},
    {Command::ResetSettings, Reset},
    {Command::VirtualKeyboard, Keyboard},
    {Command::ViewNormal, RunViewCommand},
    {Command::ViewStatusBar, RunViewCommand},
    {Command::ViewMenuBar, RunViewCommand},
    {Command::ViewTitleBar, RunViewCommand},
    {Command::ViewFullScreen, RunViewCommand},
    {Command::ViewAppearance, RunViewCommand},
};

WindowHandler WindowHandlerOf(Command command) {
  for (const WindowCommand& entry : kWindowCommands)
    if (entry.command == command) return entry.handler;
  return nullptr;
}

}  // namespace

// The worksheet's commands are available as far as it builds them; the
// windows for files, options, find, the accumulator, number conversion and
// help come later.
bool CommandAvailable(Command command) {
  return WindowHandlerOf(command) || sheet::Worksheet::Handles(command);
}

void RunCommand(MainWindow& state, Command command) {
  if (!CommandAvailable(command)) return;
  if (WindowHandler handler = WindowHandlerOf(command)) {
    handler(state, command);
    return;
  }
  EditBatch batch(*state.edit);
  state.worksheet->Execute(command);
}

}  // namespace tl::app
