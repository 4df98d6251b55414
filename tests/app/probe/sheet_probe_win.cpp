// Looks at a running Tallyline from outside, for scripts that drive it with
// real input (xdotool) and check what it did. Prints UTF-8.
//   sheet_probe keys    each virtual keyboard button: caption, TAB, the screen
//                       x and y of its middle, one a line
//   sheet_probe sheet   the worksheet text with "|" at the caret, "\n" for
//                       each line break and the empty lines at its end left
//                       out; then "focus=edit|other active=main|other"
//   sheet_probe status  each part of the main window's status bar, one a line
//   sheet_probe close   asks the main window to close
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "app/frame/main_window.h"
#include "app/window_helpers_win.h"

namespace {

using tl::app::testing::Text;

std::string Utf8(std::wstring_view text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                      nullptr, nullptr);
  return out;
}

BOOL CALLBACK PrintKey(HWND button, LPARAM) {
  RECT r;
  GetWindowRect(button, &r);
  std::printf("%s\t%ld\t%ld\n", Utf8(Text(button)).c_str(), (r.left + r.right) / 2,
              (r.top + r.bottom) / 2);
  return TRUE;
}

int PrintKeys() {
  HWND keyboard = FindWindowW(nullptr, L"虚拟键盘");
  if (!keyboard) return 1;
  EnumChildWindows(keyboard, PrintKey, 0);
  return 0;
}

int PrintSheet(HWND main) {
  HWND edit = FindWindowExW(main, nullptr, L"EDIT", nullptr);
  std::wstring text = Text(edit);
  const auto selection = static_cast<DWORD>(SendMessageW(edit, EM_GETSEL, 0, 0));
  text.insert(LOWORD(selection), L"|");
  std::wstring shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, L"\r\n") == 0) {
      shown += L"\\n";
      ++i;
    } else {
      shown += text[i];
    }
  }
  while (shown.ends_with(L"\\n")) shown.resize(shown.size() - 2);
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &thread);
  std::printf("%s\nfocus=%s active=%s\n", Utf8(shown).c_str(),
              thread.hwndFocus == edit ? "edit" : "other",
              thread.hwndActive == main ? "main" : "other");
  return 0;
}

// The status bar's texts live in the program's memory: each part is read
// into a buffer allocated there.
int PrintStatus(HWND main) {
  HWND bar = FindWindowExW(main, nullptr, STATUSCLASSNAMEW, nullptr);
  DWORD process = 0;
  GetWindowThreadProcessId(main, &process);
  HANDLE target = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ, FALSE, process);
  if (!bar || !target) return 1;
  constexpr std::size_t kUnits = 512;
  void* buffer =
      VirtualAllocEx(target, nullptr, kUnits * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE);
  const auto parts = static_cast<int>(SendMessageW(bar, SB_GETPARTS, 0, 0));
  for (int part = 0; buffer && part < parts; ++part) {
    const std::size_t length = LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, part, 0));
    std::wstring text(kUnits, L'\0');
    if (length < kUnits) {
      SendMessageW(bar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(buffer));
      ReadProcessMemory(target, buffer, text.data(), (length + 1) * sizeof(wchar_t), nullptr);
    }
    text.resize(length < kUnits ? length : 0);
    std::printf("%s\n", Utf8(text).c_str());
  }
  if (buffer) VirtualFreeEx(target, buffer, 0, MEM_RELEASE);
  CloseHandle(target);
  return buffer ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  HWND main = FindWindowW(tl::app::kMainWindowClass, nullptr);
  if (!main) {
    std::fputs("sheet_probe: no Tallyline window\n", stderr);
    return 1;
  }
  if (command == L"keys") return PrintKeys();
  if (command == L"sheet") return PrintSheet(main);
  if (command == L"status") return PrintStatus(main);
  if (command == L"close") return PostMessageW(main, WM_CLOSE, 0, 0) ? 0 : 1;
  std::fputs("sheet_probe keys|sheet|status|close\n", stderr);
  return 2;
}
