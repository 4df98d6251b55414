#include "app/document/document_window.h"

#include <shellapi.h>

#include <utility>

#include "app/document/file_dialog.h"
#include "app/document/printing.h"
#include "app/frame/edge_hiding.h"
#include "app/frame/main_window_state.h"
#include "app/frame/shutdown.h"
#include "app/kit/win_text.h"

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
  if (SavePromptBeforeClose(state) && SaveBeforeExit(state)) DestroyWindow(state.window);
}

// With 退出保存 the sheet, its file and its changed mark come back at the
// next start: nothing is asked. Cancelled, the window stays as it is.
bool SavePromptBeforeClose(MainWindow& state) {
  return state.settings.退出保存 || SheetMayGo(state);
}

void NoteDocument(MainWindow& state) {
  const std::wstring name = state.documentWindow.document.fileName.wstring();
  const bool named = text::FitsGbk({reinterpret_cast<const char16_t*>(name.data()), name.size()});
  state.settings.文件名称 = named ? Gbk(name) : std::string();
  // A sheet whose file cannot be named comes back unnamed and changed.
  state.settings.内容已改 = state.session->Edit().Modified() || !named;
}

void StartDocument(MainWindow& state, bool restored) {
  if (restored && !state.settings.文件名称.empty())
    state.documentWindow.document.fileName = Wide(state.settings.文件名称);
  state.session->Edit().SetModified(restored && state.settings.内容已改);
  ShowTitle(state);
  state.documentWindow.dropTarget = RegisterDropTarget(state.window, kDroppedMessage);
}

void EndDocument(MainWindow& state) {
  RevokeDropTarget(state.window, state.documentWindow.dropTarget);
  state.documentWindow.dropTarget = nullptr;
}

std::filesystem::path FileFromCommandLine() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::filesystem::path file;
  if (arguments && count > 1 && arguments[1][0]) {
    std::error_code ignored;
    file = std::filesystem::absolute(arguments[1], ignored);
  }
  LocalFree(arguments);
  return file;
}

bool OnFileHandedOver(MainWindow& state, const COPYDATASTRUCT& data) {
  if (data.dwData != kShellFileData || !data.lpData || data.cbData % sizeof(wchar_t)) return false;
  state.documentWindow.shellFile =
      std::wstring(static_cast<const wchar_t*>(data.lpData), data.cbData / sizeof(wchar_t));
  PostMessageW(state.window, kShellFileMessage, 0, 0);
  return true;
}

void OnShellFile(MainWindow& state) {
  const std::filesystem::path file = std::exchange(state.documentWindow.shellFile, {});
  if (file.empty()) return;
  ShowAgain(state);
  DocumentScope scope(state);
  sheet::DropFile(scope.Context(), file);
}

void OnDropped(MainWindow& state) {
  if (!state.documentWindow.dropTarget) return;
  const Dropped dropped = state.documentWindow.dropTarget->Take();
  DocumentScope scope(state);
  if (dropped.file) sheet::DropFile(scope.Context(), *dropped.file);
  if (dropped.text) sheet::DropText(scope.Context(), *dropped.text);
}

}  // namespace tl::app
