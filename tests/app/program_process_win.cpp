#include "app/program_process_win.h"

#include <commctrl.h>

#include <fstream>
#include <sstream>

#include "app/frame/main_window.h"

namespace tl::app::testing {

namespace fs = std::filesystem;

namespace {

// The build gives a Unix path; Wine sees the Unix root as drive Z:.
fs::path BuiltProgram() {
  std::string unixPath = TALLYLINE_EXE;
  std::wstring path = L"Z:";
  for (char c : unixPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
  return path;
}

struct Search {
  DWORD processId;
  HWND found;
  std::wstring_view title;  // empty: the main window
};

BOOL CALLBACK FindProcessWindow(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId) return TRUE;
  wchar_t name[256];
  if (search->title.empty()) {
    GetClassNameW(window, name, 256);
  } else if (IsWindowVisible(window)) {
    GetWindowTextW(window, name, 256);
  } else {
    return TRUE;
  }
  if ((search->title.empty() ? std::wstring_view(kMainWindowClass) : search->title) == name) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

ProgramFolder::ProgramFolder() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  folder_ = fs::path(temp) / (L"tallyline-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                              std::to_wstring(GetTickCount64()));
  fs::create_directories(folder_);
  executable_ = folder_ / L"tallyline.exe";
  fs::copy_file(BuiltProgram(), executable_, fs::copy_options::overwrite_existing);
  files_ = settings::FilesUnder(folder_);
}

ProgramFolder::~ProgramFolder() {
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
}

void ProgramFolder::WriteConfiguration(std::string_view gbk) const {
  fs::create_directories(files_.runFolder);
  std::ofstream(files_.configuration, std::ios::binary) << gbk;
}

std::string ProgramFolder::Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

ProgramProcess::ProgramProcess(const ProgramFolder& folder, const fs::path& file) {
  std::wstring commandLine = L"\"" + folder.Executable().wstring() + L"\"";
  if (!file.empty()) commandLine += L" \"" + file.wstring() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process_))
    return;
  WaitForInputIdle(process_.hProcess, 10000);
  for (int i = 0; i < 200 && !mainWindow_ && !WaitForExit(0); ++i) {
    Search search{process_.dwProcessId, nullptr, {}};
    EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&search));
    mainWindow_ = search.found;
    if (!mainWindow_) Sleep(50);
  }
}

ProgramProcess::~ProgramProcess() {
  if (!process_.hProcess) return;
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
    TerminateProcess(process_.hProcess, 1);
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

HWND ProgramProcess::EditBox() const {
  return FindWindowExW(mainWindow_, nullptr, L"EDIT", nullptr);
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

std::wstring ProgramProcess::EditText() const {
  HWND edit = EditBox();
  auto length = SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(edit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

void ProgramProcess::KeyDown(int key) const {
  SendMessageW(EditBox(), WM_KEYDOWN, static_cast<WPARAM>(key), 1);
}

void ProgramProcess::KeyUp(int key) const {
  SendMessageW(EditBox(), WM_KEYUP, static_cast<WPARAM>(key), 0xC0000001);
}

void ProgramProcess::Press(int key) const {
  KeyDown(key);
  if (key == VK_BACK) SendMessageW(EditBox(), WM_CHAR, 8, 1);
  KeyUp(key);
}

void ProgramProcess::Type(std::wstring_view text) const {
  for (wchar_t c : text) {
    SHORT scan = VkKeyScanW(c);
    int key = scan == -1 ? 0 : LOBYTE(scan);
    if (key) KeyDown(key);
    SendMessageW(EditBox(), WM_CHAR, c, 1);
    if (key) KeyUp(key);
  }
}

void ProgramProcess::Command(int commandId) const {
  SendMessageW(mainWindow_, WM_COMMAND, static_cast<WPARAM>(commandId), 0);
}

DWORD ProgramProcess::Caret() const {
  // Across processes only the packed result can be read (offsets below 65536).
  return LOWORD(SendMessageW(EditBox(), EM_GETSEL, 0, 0));
}

void ProgramProcess::PostCommand(int commandId) const {
  PostMessageW(mainWindow_, WM_COMMAND, static_cast<WPARAM>(commandId), 0);
}

HWND ProgramProcess::WaitForWindow(std::wstring_view title, DWORD ms) const {
  for (DWORD waited = 0;; waited += 50) {
    Search search{process_.dwProcessId, nullptr, title};
    EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found || waited >= ms) return search.found;
    Sleep(50);
  }
}

std::wstring ProgramProcess::Title() const {
  wchar_t title[1024] = L"";
  GetWindowTextW(mainWindow_, title, 1024);
  return title;
}

bool ProgramProcess::Close(DWORD ms) {
  PostMessageW(mainWindow_, WM_CLOSE, 0, 0);
  if (WaitForExit(300)) return true;
  DeclineSaving();
  return WaitForExit(ms);
}

void ProgramProcess::DeclineSaving() const {
  if (HWND question = WaitForWindow(L"询问", 2000)) PostMessageW(question, WM_COMMAND, IDNO, 0);
}

void ProgramProcess::Kill() {
  TerminateProcess(process_.hProcess, 1);
  WaitForExit(10000);
}

bool ProgramProcess::WaitForExit(DWORD ms) {
  return WaitForSingleObject(process_.hProcess, ms) == WAIT_OBJECT_0;
}

}  // namespace tl::app::testing
