#include <windows.h>

#include "encoding.h"

namespace tl::text {

namespace {

constexpr UINT kGbk = 936;

std::wstring ToWide(UINT codePage, std::string_view bytes) {
  if (bytes.empty()) return {};
  int n = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
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

std::wstring_view AsWide(std::u16string_view s) {
  return {reinterpret_cast<const wchar_t*>(s.data()), s.size()};
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) { return FromWide(CP_UTF8, ToWide(kGbk, gbk)); }

std::string Utf8ToGbk(std::string_view utf8) { return FromWide(kGbk, ToWide(CP_UTF8, utf8)); }

std::u16string GbkToUtf16(std::string_view gbk) {
  std::wstring wide = ToWide(kGbk, gbk);
  return {reinterpret_cast<const char16_t*>(wide.data()), wide.size()};
}

std::string Utf16ToGbk(std::u16string_view utf16) { return FromWide(kGbk, AsWide(utf16)); }

}  // namespace tl::text
