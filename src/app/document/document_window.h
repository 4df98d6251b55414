#pragma once
// The main window's file side: the document, the file menu's commands, the
// question before the window closes, the title and the drop target.
#include <windows.h>

#include "app/document/drop_target.h"
#include "sheet/document/document.h"
#include "sheet/seams/command.h"

namespace tl::app {

struct MainWindow;

// Posted to the main window by its drop target.
inline constexpr UINT kDroppedMessage = WM_APP + 15;

struct DocumentWindow {
  sheet::Document document;
  DropTarget* dropTarget = nullptr;
};

// "&N.新建", "&O.打开", "&S.保存", "&A.另存为" and "&P.打印".
void RunFileCommand(MainWindow& state, sheet::Command command);
// "&X.退出": the save prompt, then the window goes.
void ExitAfterSavePrompt(MainWindow& state, sheet::Command command);
// The save prompt of a close request that would end the program: false when
// the window must stay (it is shown again).
bool SavePromptBeforeClose(MainWindow& state);

// Starts a run: the sheet is not modified, and files and text can be dropped.
void StartDocument(MainWindow& state);
void EndDocument(MainWindow& state);
// kDroppedMessage: opens what was dropped.
void OnDropped(MainWindow& state);

}  // namespace tl::app
