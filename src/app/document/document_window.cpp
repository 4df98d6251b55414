#include "app/document/document_window.h"

#include "app/document/file_dialog.h"
#include "app/document/printing.h"
#include "app/frame/main_window_state.h"
#include "app/frame/shutdown.h"

namespace tl::app {

namespace {

using sheet::Command;

// "Tallyline - <file>" while the sheet has a file, as long as the title bar
// shows a title at all.
void ShowTitle(MainWindow& state) {
  if (!state.settings.标题栏状态) return;
  const std::filesystem::path& file = state.documentWindow.document.fileName;
  std::wstring title = L"Tallyline";
  if (!file.empty()) title += L" - " + file.wstring();
  SetWindowTextW(state.window, title.c_str());
}

// The document with the window's edit box, host and file dialog; when the
// operation is over the title shows the file it left and the sheet has the
// keyboard again.
class DocumentScope {
 public:
  explicit DocumentScope(MainWindow& state)
      : state_(state),
        dialog_(state.window),
        context_(state.session->Document(dialog_, state.documentWindow.document)) {}
  ~DocumentScope() {
    ShowTitle(state_);
    SetFocus(state_.editBox);
  }
  DocumentScope(const DocumentScope&) = delete;
  DocumentScope& operator=(const DocumentScope&) = delete;

  sheet::DocumentContext& Context() { return context_; }

 private:
  MainWindow& state_;
  WinFileDialog dialog_;
  sheet::DocumentContext context_;
};

// The save prompt; true when the sheet may go.
bool SheetMayGo(MainWindow& state) {
  DocumentScope scope(state);
  return !sheet::SavePrompt(scope.Context());
}

void Print(MainWindow& state) {
  const std::filesystem::path& file = state.documentWindow.document.fileName;
  PrintWorksheet(state.window, state.session->Host(), state.session->Edit().Text(),
                 file.empty() ? std::wstring(L"Tallyline") : file.filename().wstring());
}

}  // namespace

void RunFileCommand(MainWindow& state, Command command) {
  if (command == Command::Print) {
    Print(state);
    return;
  }
  DocumentScope scope(state);
  sheet::DocumentContext& context = scope.Context();
  if (command == Command::New) sheet::NewDocument(context);
  if (command == Command::Open) sheet::OpenDocument(context);
  if (command == Command::Save) sheet::Save(context);
  if (command == Command::SaveAs) sheet::SaveDocumentAs(context);
}

void ExitAfterSavePrompt(MainWindow& state, Command) {
  if (SheetMayGo(state) && SaveBeforeExit(state)) DestroyWindow(state.window);
}

bool SavePromptBeforeClose(MainWindow& state) {
  if (SheetMayGo(state)) return true;
  ShowWindow(state.window, SW_RESTORE);
  return false;
}

void StartDocument(MainWindow& state) {
  state.session->Edit().SetModified(false);
  state.documentWindow.dropTarget = RegisterDropTarget(state.window, kDroppedMessage);
}

void EndDocument(MainWindow& state) {
  RevokeDropTarget(state.window, state.documentWindow.dropTarget);
  state.documentWindow.dropTarget = nullptr;
}

void OnDropped(MainWindow& state) {
  if (!state.documentWindow.dropTarget) return;
  const Dropped dropped = state.documentWindow.dropTarget->Take();
  DocumentScope scope(state);
  if (dropped.file) sheet::DropFile(scope.Context(), *dropped.file);
  if (dropped.text) sheet::DropText(scope.Context(), *dropped.text);
}

}  // namespace tl::app
