#pragma once
// The main window's file side: the document, the file menu's commands, the
// question before the window closes, the title and the drop target.
#include <windows.h>

#include <filesystem>

#include "app/document/drop_target.h"
#include "sheet/document/document.h"
#include "sheet/seams/command.h"

namespace tl::app {

struct MainWindow;

// Posted to the main window by its drop target.
inline constexpr UINT kDroppedMessage = WM_APP + 15;
// Posted to the main window when a file from the command line waits.
inline constexpr UINT kShellFileMessage = WM_APP + 16;
// WM_COPYDATA's dwData of a file handed over by a second start of the
// program: the data is the file's full path in UTF-16.
inline constexpr ULONG_PTR kShellFileData = 0x544C4631;

struct DocumentWindow {
  sheet::Document document;
  DropTarget* dropTarget = nullptr;
  std::filesystem::path shellFile;  // from the command line, to be opened
};

// "&N.新建", "&O.打开", "&S.保存", "&A.另存为" and "&P.打印".
void RunFileCommand(MainWindow& state, sheet::Command command);
// "&X.退出": the save prompt, then the window goes.
void ExitAfterSavePrompt(MainWindow& state, sheet::Command command);
// The save prompt of a close request that would end the program (none with
// 退出保存): false when the window must stay.
bool SavePromptBeforeClose(MainWindow& state);

// Copies the sheet's file name and changed mark into the settings, for the
// content backup they go with.
void NoteDocument(MainWindow& state);

// Starts a run: files and text can be dropped; the sheet is not modified,
// or, `restored` from the content backup, has the file and the changed mark
// it had then.
void StartDocument(MainWindow& state, bool restored);
void EndDocument(MainWindow& state);
// kDroppedMessage: opens what was dropped.
void OnDropped(MainWindow& state);
// The file of `tallyline.exe FILE`, relative to the current folder; empty
// for none.
std::filesystem::path FileFromCommandLine();
// WM_COPYDATA: a second start hands over its file; true when taken.
bool OnFileHandedOver(MainWindow& state, const COPYDATASTRUCT& data);
// kShellFileMessage: the waiting file opens as "&O.打开" opens a file.
void OnShellFile(MainWindow& state);

}  // namespace tl::app
