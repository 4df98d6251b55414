#pragma once
// What the main window owns for its whole life, reached through
// GWLP_USERDATA. Each concern of the window lives in its own file and works
// on this record.
#include <windows.h>

#include <memory>

#include "app/document_window.h"
#include "app/instance_lock.h"
#include "app/layout.h"
#include "app/menus.h"
#include "app/sheet_session.h"
#include "app/tool_windows.h"
#include "settings/files.h"
#include "settings/settings.h"
#include "sheet/backup_schedule.h"

namespace tl::app {

inline constexpr UINT_PTR kEdgeHideTimerId = 2;
inline constexpr UINT_PTR kBackupTimerId = 3;
inline constexpr UINT_PTR kFullScreenTimerId = 4;

// The caret place the status bar shows: the control's selection start and
// the text's revision.
struct CaretShown {
  DWORD start = ~DWORD{0};
  std::uint64_t revision = 0;
  bool operator==(const CaretShown&) const = default;
};

struct MainWindow {
  HWND window = nullptr;
  HWND editBox = nullptr;
  HWND statusBar = nullptr;
  WNDPROC editBoxProc = nullptr;  // the control's own procedure, below our hook
  HFONT font = nullptr;
  HBRUSH background = nullptr;
  Menus menus;
  HACCEL accelerators = nullptr;

  settings::SettingsFiles files;
  settings::Settings settings;
  InstanceLock lock;
  std::unique_ptr<SheetSession> session;  // the edit box adapter, the host and the worksheet

  ToolWindows tools;
  DocumentWindow documentWindow;
  settings::Geometry normalGeometry;  // the last normal, on-screen placement
  int hotKeyId = 0;                   // the show/hide hot key's, 0 when none

  sheet::BackupSchedule backup;  // the running backup of the sheet (退出保存)
  bool savedAtExit = false;      // the save at exit is done (or given up by the user)
  bool endSessionRefused = false;

  bool closePermission = false;  // set by a log-off or shut-down
  bool secondInstance = false;   // handed over to the first instance and ends
  bool fullScreenChecked = false;
  bool fullScreenKeyDown = false;  // its releases are not the menu bar's
  CaretShown caretShown;
  bool showingCaretPlace = false;
  bool escClosesWindow = false;  // Esc asks the window to close (set by the options)
  int edgeHideHold = 0;          // `EdgeHideHold`
};

inline MainWindow* StateOf(HWND window) {
  return reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// The modifier state of the keyboard now: 1 Ctrl, 2 Shift, 4 Alt.
int ModifierState();
// The full-screen key (全屏快捷键 on) with exactly its modifiers.
bool IsFullScreenKey(const settings::Settings& settings, int key, int modifiers);

// Screen size of the primary monitor.
inline int ScreenWidth() {
  return GetSystemMetrics(SM_CXSCREEN);
}
inline int ScreenHeight() {
  return GetSystemMetrics(SM_CYSCREEN);
}

Rect WindowRect(HWND window);
void MoveTo(HWND window, Rect r);

// view.cpp
ViewFlags ViewOf(const settings::Settings& settings);
void ApplyView(MainWindow& state);
void Layout(MainWindow& state);
// Keeps the window's state and, when normal, its placement for the next start.
void RememberPlacement(MainWindow& state);
void RunViewCommand(MainWindow& state, sheet::Command command);
void ToggleFullScreen(MainWindow& state);
void OnFullScreenTimer(MainWindow& state);

// caret_place.cpp: the status bar's second part, «行: N,列: M», shown again
// when the caret or the text has changed since.
int CaretPartWidth(HWND window);
void ShowCaretPlace(MainWindow& state);

// After every event that may move the caret or change the records: the
// caret place and the accumulator window's lists (main_window.cpp).
void FollowSheet(MainWindow& state);

// worksheet font and colours (main_window.cpp)
void ApplyWorksheetFont(MainWindow& state);
void AdjustWorksheetFontSize(MainWindow& state, int points);

// edge_hiding.cpp
void RevealFromEdge(MainWindow& state);
void OnEdgeHideTimer(MainWindow& state);
void ToggleByHotKey(MainWindow& state);
void BringToFront(MainWindow& state);
// Shown again as it was last placed, in front, with the sheet focused.
void ShowAgain(MainWindow& state);

// edit_hook.cpp
void HookEditBox(MainWindow& state);
void UnhookEditBox(MainWindow& state);

// startup.cpp: false when this instance handed over to a running one.
bool RunStartUp(MainWindow& state);

// shutdown.cpp. OnCloseRequest: whether the close may go on; SaveBeforeExit
// then saves, asking while a file cannot be written (false: the user went
// back to the sheet). FinishAtExit runs as the window is destroyed.
bool OnCloseRequest(MainWindow& state);
bool SaveBeforeExit(MainWindow& state);
void FinishAtExit(MainWindow& state);
// A log-off or shut-down: saves, and refuses once when that fails.
bool OnQueryEndSession(MainWindow& state);
void OnEndSession(MainWindow& state, bool ending);

// running_backup.cpp: a timer tick, writes the sheet when a backup is due.
void OnBackupTimer(MainWindow& state);

// commands.cpp
void RunCommand(MainWindow& state, sheet::Command command);
bool CommandAvailable(sheet::Command command);

// menu_states.cpp: WM_INITMENUPOPUP, and the tray menu before it is shown
// (it is tracked without notifications).
void OnInitMenuPopup(const MainWindow& state, HMENU popup);

}  // namespace tl::app
