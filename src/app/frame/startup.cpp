// Start-up: from the settings to the first status message, in its order.
#include "app/frame/startup.h"

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <utility>

#include "app/frame/edge_hiding.h"
#include "app/frame/edit_hook.h"
#include "app/frame/hot_key.h"
#include "app/frame/main_window_state.h"
#include "app/frame/running_backup.h"
#include "app/frame/tray_icon.h"
#include "app/frame/view.h"
#include "app/frame/word_wrap.h"
#include "app/kit/dpi.h"
#include "app/kit/window_geometry.h"
#include "app/windows/virtual_keyboard_window.h"
#include "files/file_io.h"
#include "settings/load.h"
#include "settings/writers.h"
#include "sheet/document/document_file.h"
#include "sheet/document/write_reports.h"
#include "sheet/worksheet/stale_results.h"
#include "sheet/worksheet/status_messages.h"

namespace tl::app {

namespace {

constexpr int kEditBoxId = 100;
constexpr int kStatusBarId = 101;
constexpr int kCreatedLines = 388;  // the edit box is created holding 388 empty lines

std::wstring WideEmptyLines(int count) {
  std::wstring text;
  for (int i = 0; i < count; ++i) text += L"\r\n";
  return text;
}

// The remembered placement, unless it is out of reach.
void PlaceWindow(MainWindow& state) {
  const settings::StartWindow& start = state.settings._启动窗口;
  Rect r{start.左边, start.顶边, start.宽度, start.高度};
  if (!StartPlacementFits(r, ScreenWidth(), ScreenHeight()))
    r = DefaultPlacement(ScreenWidth(), ScreenHeight());
  MoveTo(state.window, r);
}

// A file from the command line goes to the running instance, which may
// come to the front for it.
void HandOverFile(MainWindow& state, HWND first) {
  const std::wstring file = state.documentWindow.shellFile.wstring();
  if (file.empty()) return;
  DWORD process = 0;
  GetWindowThreadProcessId(first, &process);
  AllowSetForegroundWindow(process);
  COPYDATASTRUCT data{kShellFileData, static_cast<DWORD>(file.size() * sizeof(wchar_t)),
                      const_cast<wchar_t*>(file.data())};
  SendMessageW(first, WM_COPYDATA, reinterpret_cast<WPARAM>(state.window),
               reinterpret_cast<LPARAM>(&data));
}

// One instance at a time unless 允许多开. False when another instance holds
// the lock: it is restored, gets the command line's file, and this one ends
// without saving anything. `written`: how writing this window's handle went.
bool TakeSingleInstance(MainWindow& state, files::IoResult& written) {
  if (state.settings.允许多开) return true;
  files::CreateFolder(state.files.runFolder);
  if (!state.lock.Acquire(state.files.instanceLock)) {
    HWND first = reinterpret_cast<HWND>(static_cast<INT_PTR>(state.settings.窗口代号));
    SendMessageA(first, WM_SYSCOMMAND, SC_RESTORE, 0);
    HandOverFile(state, first);
    return false;
  }
  written = settings::SaveWindowHandle(state.settings, state.files,
                                       static_cast<int>(reinterpret_cast<INT_PTR>(state.window)));
  return true;
}

// The edit box, with word wrap as 自动折回 says, and the status bar.
void CreateChildren(MainWindow& state) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  state.editBox = CreateWorksheetEditBox(state.window, kEditBoxId, state.settings.自动折回);
  state.statusBar =
      CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | SBARS_SIZEGRIP, 0, 0, 0, 0, state.window,
                      reinterpret_cast<HMENU>(kStatusBarId), instance, nullptr);
  SendMessageW(state.statusBar, WM_SETFONT,
               reinterpret_cast<WPARAM>(UiFont(WindowDpi(state.window))), TRUE);
  SetWindowTextW(state.editBox, WideEmptyLines(kCreatedLines).c_str());
}

// The text kept from the last run, or an empty sheet; true for the kept
// text. `read`: how reading the content backup went.
bool RestoreContent(MainWindow& state, WinEditBox& edit, files::IoResult& read) {
  if (state.settings.退出保存) {
    files::FileContent backup = files::ReadWholeFile(state.files.contentBackup);
    read = {backup.error, backup.cause};
    if (backup.exists && backup.error.empty()) {
      // The program's own file, always written in GBK.
      edit.SetText(sheet::ReadDocument(std::move(backup.bytes), files::Encoding::Gbk).text);
      sheet::PlaceCaret(edit, static_cast<std::size_t>(state.settings.起始选择位置 > 0
                                                           ? state.settings.起始选择位置
                                                           : 0));
      return true;
    }
    edit.SetText(sheet::EmptySheetText());
  } else if (edit.Text().empty()) {
    edit.SetText(sheet::EmptySheetText());
  }
  return false;
}

}  // namespace

// The order matters: the single-instance check needs the window placed and
// must come before anything is written; the worksheet needs the edit box's
// text restored before it takes it over, and the hook only then reaches it;
// the normal geometry is taken once the window stands where it starts.
bool RunStartUp(MainWindow& state) {
  state.files = settings::FilesUnder(settings::ProgramDirectory());
  state.settings = settings::LoadSettings(state.files);
  state.documentWindow.shellFile = FileFromCommandLine();
  state.menus = BuildMenus();
  state.accelerators = BuildAccelerators();
  CreateChildren(state);

  PlaceWindow(state);
  ApplyView(state);
  files::IoResult handleWritten, backupRead;
  if (!TakeSingleInstance(state, handleWritten)) return false;
  ApplyWorksheetFont(state);
  AddTrayIcon(state.window);
  if (state.settings.热键状态)
    state.hotKeyId = RegisterShowHideHotKey(state.window, state.settings);
  SetWindowPos(state.window, state.settings.窗口前置 ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  bool restored = false;
  state.session = std::make_unique<SheetSession>(
      HostWindows{state.window, state.editBox, state.statusBar},
      [&state](int points) { AdjustWorksheetFontSize(state, points); }, state.settings,
      [&](WinEditBox& edit) { restored = RestoreContent(state, edit, backupRead); });
  HookEditBox(state);
  StartDocument(state, restored);
  StartRunningBackup(state);
  if (state.settings.键盘开启) OpenVirtualKeyboard(state);
  Rect r = WindowRect(state.window);
  state.normalGeometry = {r.left, r.top, r.width, r.height};
  if (state.settings.边缘隐藏) SetTimer(state.window, kEdgeHideTimerId, 100, nullptr);
  state.session->Host().SetStatusText(sheet::msg::kStarted);
  sheet::ReportStaleResults(state.session->Edit().Text(), state.settings, state.session->Host());
  sheet::ReportWrite(state.session->Host(), handleWritten);
  sheet::ReportWrite(state.session->Host(), backupRead, sheet::FileTask::ReadContentBackup);
  RevealFromEdge(state);
  SetFocus(state.editBox);
  if (!state.documentWindow.shellFile.empty())
    PostMessageW(state.window, kShellFileMessage, 0, 0);  // once the window is shown
  return true;
}

}  // namespace tl::app
