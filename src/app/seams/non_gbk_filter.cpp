#include "app/seams/non_gbk_filter.h"

#include "text/encoding.h"

namespace tl::app {

namespace {

std::u16string_view View(const std::wstring& text) {
  return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

// The offset after removing `removed` units at `at` from a text.
DWORD Shifted(DWORD offset, std::size_t at, std::size_t removed) {
  if (offset <= at) return offset;
  const std::size_t end = at + removed;
  return static_cast<DWORD>(offset >= end ? offset - removed : at);
}

}  // namespace

bool IsNonGbkUnit(wchar_t unit) {
  const char16_t one = static_cast<char16_t>(unit);
  return text::NonGbkLength({&one, 1}, 0) != 0;
}

std::wstring ControlText(HWND edit) {
  const int length = GetWindowTextLengthW(edit);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(edit, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

bool RemoveNonGbkCharacters(HWND edit, std::wstring& text) {
  if (text::FitsGbk(View(text))) return false;
  DWORD start = 0, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  // From the end backwards, so that the offsets still to visit stay put.
  for (std::size_t i = text.size(); i-- > 0;) {
    std::size_t at = i;
    // The second unit of a pair: the pair starts one unit before.
    if (at > 0 && text::NonGbkLength(View(text), at - 1) == 2) --at;
    const std::size_t length = text::NonGbkLength(View(text), at);
    if (length == 0) continue;
    SendMessageW(edit, EM_SETSEL, at, at + length);
    SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
    text.erase(at, length);
    start = Shifted(start, at, length);
    end = Shifted(end, at, length);
    i = at;
  }
  SendMessageW(edit, EM_SETSEL, start, end);
  return true;
}

}  // namespace tl::app
