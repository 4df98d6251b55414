#pragma once
// Runs tallyline.exe as a separate process, from a private copy in a fresh
// folder so that its run folder (configuration, backup, lock) is the test's
// own, and finds its main window.
#include <windows.h>

#include <filesystem>
#include <string>

#include "settings/files.h"

namespace tl::app::testing {

class ProgramFolder {
 public:
  ProgramFolder();  // a new folder holding a copy of tallyline.exe
  ~ProgramFolder();
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  const std::filesystem::path& Executable() const { return executable_; }
  const settings::SettingsFiles& Files() const { return files_; }
  // Writes the configuration file (GBK text), creating the run folder.
  void WriteConfiguration(std::string_view gbk) const;
  // The whole content of a file, empty when it does not exist.
  static std::string Read(const std::filesystem::path& path);

 private:
  std::filesystem::path folder_;
  std::filesystem::path executable_;
  settings::SettingsFiles files_;
};

class ProgramProcess {
 public:
  // `file`: the program's argument, as the shell passes a file to open.
  explicit ProgramProcess(const ProgramFolder& folder, const std::filesystem::path& file = {});
  ~ProgramProcess();
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;

  HWND MainWindow() const { return mainWindow_; }
  HWND EditBox() const;
  // The text of a status bar part, read through memory in the program's process.
  std::wstring StatusText(int part = 0) const;
  std::wstring EditText() const;
  // Real messages to the edit box, each handled before the call returns:
  // key down, character and key up per character, as the keyboard sends them.
  void Type(std::wstring_view text) const;
  void KeyDown(int key) const;
  void KeyUp(int key) const;
  void Press(int key) const;
  // A menu command, as the menus and accelerators send it.
  void Command(int commandId) const;
  // The same, posted: for a command that opens a modal window, which the
  // caller then finds and answers.
  void PostCommand(int commandId) const;
  // A top-level window of the program titled `title`, once it is shown;
  // null when none appears within `ms`.
  HWND WaitForWindow(std::wstring_view title, DWORD ms = 10000) const;
  std::wstring Title() const;
  DWORD Caret() const;
  // Asks the window to close, answering "否" to the question to save a
  // modified sheet; true when the process ended within `ms`.
  bool Close(DWORD ms = 10000);
  // Answers "否" when the program asks whether to save the changed sheet.
  void DeclineSaving() const;
  // True when the process ended within `ms`.
  bool WaitForExit(DWORD ms);
  // Ends the process at once, as a crash or the task manager would.
  void Kill();

 private:
  PROCESS_INFORMATION process_{};
  HWND mainWindow_ = nullptr;
};

}  // namespace tl::app::testing
