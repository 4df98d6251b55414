// How long tallyline.exe takes from its process start to the first status
// message (the window up and ready for typing), median of several starts from
// a fresh folder of its own, and the size of the file. Beside it, for scale,
// what a process costs that starts and ends at once (tallyline-cli.exe
// --version, no window).
//   startup_bench [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/frame/main_window.h"

namespace {

namespace fs = std::filesystem;

// The build gives a Unix path; Wine sees the Unix root as drive Z:.
fs::path WindowsPath(const std::string& unixPath) {
  std::wstring path = L"Z:";
  for (const char c : unixPath) path += c == '/' ? L'\\' : wchar_t(c);
  return path;
}

double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Search {
  DWORD process;
  HWND statusBar = nullptr;
};

BOOL CALLBACK FindStatusBar(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t name[64];
  GetClassNameW(window, name, 64);
  if (owner != search->process || lstrcmpW(name, tl::app::kMainWindowClass) != 0) return TRUE;
  search->statusBar = FindWindowExW(window, nullptr, L"msctls_statusbar32", nullptr);
  return FALSE;
}

bool ShowsFirstMessage(HWND statusBar) {
  wchar_t text[64] = L"";
  SendMessageTimeoutW(statusBar, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 100,
                      nullptr);
  return std::wstring(text).find(L"初始化完毕") != std::wstring::npos;
}

PROCESS_INFORMATION Start(const fs::path& program, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + program.wstring() + L"\"" + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                 nullptr, &startup, &process);
  return process;
}

// Milliseconds from CreateProcess to the end of a process that only prints
// its version.
double TimeBareProcess(const fs::path& program) {
  const double start = Now();
  PROCESS_INFORMATION process = Start(program, L" --version");
  if (!process.hProcess) return -1;
  WaitForSingleObject(process.hProcess, 20000);
  const double elapsed = Now() - start;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return elapsed;
}

// Milliseconds from CreateProcess to the first status message, or -1.
double TimeOneStart(const fs::path& program) {
  const double start = Now();
  PROCESS_INFORMATION process = Start(program, L"");
  if (!process.hProcess) return -1;
  double elapsed = -1;
  Search search{process.dwProcessId};
  while (Now() - start < 20000) {
    if (!search.statusBar) EnumWindows(FindStatusBar, reinterpret_cast<LPARAM>(&search));
    if (search.statusBar && ShowsFirstMessage(search.statusBar)) {
      elapsed = Now() - start;
      break;
    }
    Sleep(1);
  }
  if (search.statusBar) PostMessageW(GetParent(search.statusBar), WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
    TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(2, std::atoi(argv[1])) : 10;
  const fs::path folder = fs::temp_directory_path() / L"tallyline-startup-bench";
  fs::remove_all(folder);
  fs::create_directories(folder / L"Tallyline运行文件");
  const fs::path program = folder / L"tallyline.exe";
  fs::copy_file(WindowsPath(TALLYLINE_EXE), program);
  const fs::path cli = WindowsPath(TALLYLINE_CLI_EXE);
  // Closes without asking and keeps no sheet; GBK, as the program writes it.
  std::ofstream(folder / L"Tallyline运行文件" / L"Tallyline配置文件.ini", std::ios::binary)
      << "[运行设置]\r\n退出设置=1\r\n";

  std::vector<double> times, bare;
  for (int i = 0; i < runs; ++i) {
    bare.push_back(TimeBareProcess(cli));
    const double ms = TimeOneStart(program);
    if (ms < 0) {
      std::printf("start %d: no first status message within 20 s\n", i + 1);
      return 1;
    }
    if (i > 0) times.push_back(ms);  // the first start also warms the system's caches
  }
  std::sort(times.begin(), times.end());
  std::sort(bare.begin(), bare.end());
  std::printf("tallyline.exe: %ju bytes\n", static_cast<std::uintmax_t>(fs::file_size(program)));
  std::printf(
      "start to first status message, %zu warm starts: median %.0f ms, min %.0f ms, "
      "max %.0f ms\n",
      times.size(), times[times.size() / 2], times.front(), times.back());
  std::printf("a process that only prints its version, for scale: median %.0f ms\n",
              bare[bare.size() / 2]);
  fs::remove_all(folder);
  return 0;
}
