#include "app/document_window.h"

#include "app/file_dialog.h"
#include "app/main_window_state.h"
#include "app/printing.h"

namespace tl::app {

namespace {

using sheet::Command;

// "Tallyline - <file>" while the sheet has a file, as long as the title bar
// shows a title at all.
void ShowTitle(MainWindow& state) {
  if (!state.settings.标题栏状态) return;
  const std::filesystem::path& file = state.document.document.fileName;
  std::wstring title = L"Tallyline";
  if (!file.empty()) title += L" - " + file.wstring();
  SetWindowTextW(state.window, title.c_str());
}

// Runs one document operation with the window's edit box, host and dialog,
// then shows the file it leaves in the title.
template <class Operation>
auto WithDocument(MainWindow& state, Operation operation) {
  WinFileDialog dialog(state.window);
  sheet::DocumentContext context{*state.edit, *state.host, dialog, state.document.document};
  auto result = operation(context);
  ShowTitle(state);
  SetFocus(state.editBox);
  return result;
}

void Print(MainWindow& state) {
  const std::filesystem::path& file = state.document.document.fileName;
  PrintWorksheet(state.window, *state.host, state.edit->Text(),
                 file.empty() ? std::wstring(L"Tallyline") : file.filename().wstring());
}

}  // namespace

void RunFileCommand(MainWindow& state, Command command) {
  if (command == Command::Print) {
    Print(state);
    return;
  }
  WithDocument(state, [command](sheet::DocumentContext& context) {
    if (command == Command::New) sheet::NewDocument(context);
    if (command == Command::Open) sheet::OpenDocument(context);
    if (command == Command::Save) sheet::Save(context);
    if (command == Command::SaveAs) sheet::SaveDocumentAs(context);
    return true;
  });
}

void ExitAfterSavePrompt(MainWindow& state, Command) {
  if (!WithDocument(state, sheet::SavePrompt)) DestroyWindow(state.window);
}

bool SavePromptBeforeClose(MainWindow& state) {
  if (!WithDocument(state, sheet::SavePrompt)) return true;
  ShowWindow(state.window, SW_RESTORE);
  return false;
}

void StartDocument(MainWindow& state) {
  state.edit->SetModified(false);
  state.document.dropTarget = RegisterDropTarget(state.window, kDroppedMessage);
}

void EndDocument(MainWindow& state) {
  RevokeDropTarget(state.window, state.document.dropTarget);
  state.document.dropTarget = nullptr;
}

void OnDropped(MainWindow& state) {
  if (!state.document.dropTarget) return;
  Dropped dropped = state.document.dropTarget->Take();
  WithDocument(state, [&dropped](sheet::DocumentContext& context) {
    if (dropped.file) sheet::DropFile(context, *dropped.file);
    if (dropped.text) sheet::DropText(context, *dropped.text);
    return true;
  });
}

}  // namespace tl::app
