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
    // Their windows and files come later.
    case Command::New:
    case Command::Open:
    case Command::Save:
    case Command::SaveAs:
    case Command::Print:
    case Command::Accumulator:
    case Command::VirtualKeyboard:
    case Command::FindReplace:
    case Command::FindPrevious:
    case Command::FindNext:
    case Command::Options:
    case Command::Help:
    case Command::About:
    case Command::NumberToChinese:
    // Worksheet tools still to come.
    case Command::Copy:
    case Command::CopyCompatible:
    case Command::ClearAll:
    case Command::SelectLine:
    case Command::SumSelectedLines:
    case Command::DeleteLine:
    case Command::SeparatorLine:
    case Command::InsertSin:
    case Command::InsertSinh:
    case Command::InsertAsin:
    case Command::InsertAsinh:
    case Command::InsertCos:
    case Command::InsertCosh:
    case Command::InsertAcos:
    case Command::InsertAcosh:
    case Command::InsertTan:
    case Command::InsertTanh:
    case Command::InsertAtan:
    case Command::InsertAtanh:
    case Command::InsertLg:
    case Command::InsertLog:
    case Command::InsertLn:
    case Command::InsertInt:
      return false;
    default:
      return true;
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
    default:
      state.worksheet->Execute(command);
      return;
  }
}

}  // namespace tl::app
