#include "program_process_win.h"

#include <commctrl.h>

#include "main_window.h"

namespace tl::app::testing {

namespace {

// The build gives a Unix path; Wine sees the Unix root as drive Z:.
std::wstring ProgramPath() {
  std::string unixPath = TALLYLINE_EXE;
  std::wstring path = L"Z:";
  for (char c : unixPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  return path;
}

struct Search {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindProcessWindow(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t className[64];
  GetClassNameW(window, className, 64);
  if (owner == search->processId && lstrcmpW(className, kMainWindowClass) == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

ProgramProcess::ProgramProcess() {
  std::wstring commandLine = L"\"" + ProgramPath() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process_))
    return;
  WaitForInputIdle(process_.hProcess, 10000);
  for (int i = 0; i < 200 && !mainWindow_; ++i) {
    Search search{process_.dwProcessId, nullptr};
    EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&search));
    mainWindow_ = search.found;
    if (!mainWindow_) Sleep(50);
  }
}

ProgramProcess::~ProgramProcess() {
  if (!process_.hProcess) return;
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

std::wstring ProgramProcess::StatusText(int part) const {
  HWND statusBar = FindWindowExW(mainWindow_, nullptr, STATUSCLASSNAMEW, nullptr);
  if (!statusBar) return L"<no status bar>";
  auto length = LOWORD(SendMessageW(statusBar, SB_GETTEXTLENGTHW, part, 0));
  SIZE_T bytes = (length + 1) * sizeof(wchar_t);
  void* remote = VirtualAllocEx(process_.hProcess, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE);
  SendMessageW(statusBar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(remote));
  std::wstring text(length, L'\0');
  ReadProcessMemory(process_.hProcess, remote, text.data(), length * sizeof(wchar_t), nullptr);
  VirtualFreeEx(process_.hProcess, remote, 0, MEM_RELEASE);
  return text;
}

bool ProgramProcess::Close(DWORD ms) {
  PostMessageW(mainWindow_, WM_CLOSE, 0, 0);
  return WaitForSingleObject(process_.hProcess, ms) == WAIT_OBJECT_0;
}

}  // namespace tl::app::testing
