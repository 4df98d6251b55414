#pragma once
// What the main window owns for its whole life, reached through
// GWLP_USERDATA. Each concern of the window lives in its own file and works
// on this record.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "app/document/document_window.h"
#include "app/frame/instance_lock.h"
#include "app/frame/menus.h"
#include "app/kit/layout.h"
#include "app/kit/tool_windows.h"
#include "app/seams/sheet_session.h"
#include "settings/files.h"
#include "settings/settings.h"
#include "sheet/document/backup_schedule.h"
#include "sheet/line/line_breaks.h"

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
  // The file name and changed mark the running backup last saw, and how
  // often they have changed: a save changes them, not the text.
  std::pair<std::string, bool> backupDocument;
  std::uint64_t backupDocumentChanges = 0;
  bool savedAtExit = false;  // the save at exit is done (or given up by the user)
  bool endSessionRefused = false;

  bool closePermission = false;  // set by a log-off or shut-down
  bool secondInstance = false;   // handed over to the first instance and ends
  bool fullScreenChecked = false;
  bool fullScreenKeyDown = false;  // its releases are not the menu bar's
  CaretShown caretShown;
  sheet::CaretLocator caretLocator;  // counts the caret's line from the last one shown
  bool showingCaretPlace = false;
  bool escClosesWindow = false;  // Esc asks the window to close (set by the options)
  int edgeHideHold = 0;          // `EdgeHideHold`
};

inline MainWindow* StateOf(HWND window) {
  return reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// The modifier state of the keyboard now: 1 Ctrl, 2 Shift, 4 Alt.
int ModifierState();

// Screen size of the primary monitor.
inline int ScreenWidth() {
  return GetSystemMetrics(SM_CXSCREEN);
}
inline int ScreenHeight() {
  return GetSystemMetrics(SM_CYSCREEN);
}

Rect WindowRect(HWND window);
void MoveTo(HWND window, Rect r);

// After every event that may move the caret or change the records: the
// caret place and the accumulator window's lists (main_window.cpp).
void FollowSheet(MainWindow& state);

// The worksheet font and colours (main_window.cpp)
void ApplyWorksheetFont(MainWindow& state);
void AdjustWorksheetFontSize(MainWindow& state, int points);

}  // namespace tl::app
