// Menu commands: the window's own, and the worksheet's.
#include "app/about_window.h"
#include "app/accumulator_window.h"
#include "app/document_window.h"
#include "app/dpi.h"
#include "app/find_window.h"
#include "app/help_window.h"
#include "app/main_window_state.h"
#include "app/number_window.h"
#include "app/options_apply.h"
#include "app/options_window.h"
#include "app/virtual_keyboard_window.h"
#include "app/worksheet_font.h"
#include "settings/reset.h"
#include "sheet/write_reports.h"

namespace tl::app {

namespace {

using sheet::Command;

void ResetAllSettings(MainWindow& state) {
  sheet::MessageBoxRequest question;
  question.text = settings::kResetQuestion;
  question.title = settings::kResetTitle;
  question.buttons = sheet::MessageBoxButtons::YesNo;
  question.icon = sheet::MessageBoxIcon::Warning;
  bool yes = state.session->Host().ShowMessageBox(question) == sheet::MessageBoxAnswer::Yes;
  const settings::ResetResult reset = settings::ResetSettings(state.settings, state.files, yes);
  if (!reset.applied) return;
  sheet::ReportWrite(state.session->Host(), reset.files, sheet::FileTask::ResetFiles);
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
  if (SaveBeforeExit(state)) DestroyWindow(state.window);
}
void Show(MainWindow& state, Command) {
  ShowWindow(state.window, SW_SHOW);
}
void PickFont(MainWindow& state, Command) {
  if (ChooseWorksheetFont(state.window, state.settings, WindowDpi(state.window)))
    ApplyWorksheetFont(state);
}
void Reset(MainWindow& state, Command) {
  ResetAllSettings(state);
}
void ShowOptions(MainWindow& state, Command) {
  OpenOptionsWindow(state.window, state.tools,
                    {*state.session, state.files, [&state] { ApplyOptions(state); }});
}
void Find(MainWindow& state, Command) {
  OpenFindWindow(state.window, state.tools, *state.session);
}
void Accumulate(MainWindow& state, Command) {
  OpenAccumulatorWindow(state.window, state.tools, *state.session);
}
void ConvertNumber(MainWindow& state, Command) {
  OpenNumberWindow(state.window, state.tools, *state.session);
}
void ShowHelp(MainWindow& state, Command) {
  OpenHelpWindow(state.window, state.tools);
}
void ShowAbout(MainWindow& state, Command) {
  OpenAboutWindow(state.window, state.tools, {state.settings.运行次数, state.files.configuration});
}
void Keyboard(MainWindow& state, Command) {
  ToggleVirtualKeyboard(state);
}

struct WindowCommand {
  Command command;
  WindowHandler handler;
};

constexpr WindowCommand kWindowCommands[] = {
    {Command::New, RunFileCommand},
    {Command::Open, RunFileCommand},
    {Command::Save, RunFileCommand},
    {Command::SaveAs, RunFileCommand},
    {Command::Print, RunFileCommand},
    {Command::Exit, ExitAfterSavePrompt},
    {Command::TrayExit, Close},
    {Command::ShowWindow, Show},
    {Command::Font, PickFont},
    {Command::ResetSettings, Reset},
    {Command::Options, ShowOptions},
    {Command::FindReplace, Find},
    {Command::Accumulator, Accumulate},
    {Command::NumberToChinese, ConvertNumber},
    {Command::VirtualKeyboard, Keyboard},
    {Command::ViewNormal, RunViewCommand},
    {Command::ViewStatusBar, RunViewCommand},
    {Command::ViewMenuBar, RunViewCommand},
    {Command::ViewTitleBar, RunViewCommand},
    {Command::ViewFullScreen, RunViewCommand},
    {Command::ViewAppearance, RunViewCommand},
    {Command::Help, ShowHelp},
    {Command::About, ShowAbout},
};

WindowHandler WindowHandlerOf(Command command) {
  for (const WindowCommand& entry : kWindowCommands)
    if (entry.command == command) return entry.handler;
  return nullptr;
}

}  // namespace

// A command is available when the window or the worksheet handles it.
bool CommandAvailable(Command command) {
  return WindowHandlerOf(command) || sheet::Worksheet::Handles(command);
}

void RunCommand(MainWindow& state, Command command) {
  if (!CommandAvailable(command)) return;
  if (WindowHandler handler = WindowHandlerOf(command)) {
    handler(state, command);
    return;
  }
  state.session->Execute(command);
}

}  // namespace tl::app
