#include <windows.h>

#include "encoding.h"

namespace tl::text {

namespace {

constexpr UINT kGbk = 936;

std::wstring ToWide(UINT codePage, std::string_view bytes) {
  if (bytes.empty()) return {};
  int n =
      MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
  return out;
}

std::string FromWide(UINT codePage, std::wstring_view wide) {
  if (wide.empty()) return {};
  // WideCharToMultiByte refuses a default character for UTF-8.
  const char* fallback = codePage == CP_UTF8 ? nullptr : "?";
  int n = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                              fallback, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n,
                      fallback, nullptr);
  return out;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
  return FromWide(CP_UTF8, ToWide(kGbk, gbk));
}

std::string Utf8ToGbk(std::string_view utf8) {
  std::wstring wide = ToWide(CP_UTF8, utf8);
  return Utf16ToGbk({reinterpret_cast<const char16_t*>(wide.data()), wide.size()});
}

std::u16string GbkToUtf16(std::string_view gbk) {
  std::wstring wide = ToWide(kGbk, gbk);
  return {reinterpret_cast<const char16_t*>(wide.data()), wide.size()};
}

std::string Utf16ToGbk(std::u16string_view utf16) {
  // A character outside the basic plane has no GBK form: one "?" for the
  // pair, as for any other such character.
  std::wstring wide;
  wide.reserve(utf16.size());
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    bool pair = utf16[i] >= 0xD800 && utf16[i] <= 0xDBFF && i + 1 < utf16.size() &&
                utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF;
    wide += pair ? L'?' : static_cast<wchar_t>(utf16[i]);
    if (pair) ++i;
  }
  return FromWide(kGbk, wide);
}

}  // namespace tl::text
