#pragma once
// Starts tallyline.exe as a separate process and finds its main window, for
// tests that drive the real program.
#include <windows.h>

#include <string>

namespace tl::app::testing {

class ProgramProcess {
 public:
  ProgramProcess();
  ~ProgramProcess();
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;

  HWND MainWindow() const { return mainWindow_; }
  // The text of a status bar part, read through memory in the program's process.
  std::wstring StatusText(int part = 0) const;
  // Asks the window to close; true when the process ended within `ms`.
  bool Close(DWORD ms = 10000);

 private:
  PROCESS_INFORMATION process_{};
  HWND mainWindow_ = nullptr;
};

}  // namespace tl::app::testing
