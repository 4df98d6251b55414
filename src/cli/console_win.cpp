#include <fcntl.h>
#include <io.h>
#include <windows.h>

// After <windows.h>, which it needs.
#include <shellapi.h>

#include <cstdio>

#include "cli/console.h"

namespace tl::cli {

std::vector<std::string> CommandLineArguments(int, char**) {
  std::vector<std::string> result;
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments) return result;
  for (int i = 1; i < count; ++i) {
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, arguments[i], -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(length > 0 ? static_cast<std::size_t>(length) : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, arguments[i], -1, utf8.data(), length, nullptr, nullptr);
    utf8.resize(utf8.size() - 1);  // the terminating NUL
    result.push_back(std::move(utf8));
  }
  LocalFree(arguments);
  return result;
}

void PrepareStandardStreams() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  SetConsoleOutputCP(CP_UTF8);
}

bool StandardErrorIsTerminal() {
  return _isatty(_fileno(stderr)) != 0;
}

}  // namespace tl::cli
