#include <windows.h>

#include "text/encoding.h"
#include "text/gbk.h"

namespace tl::text {

namespace {

constexpr UINT kGbk = 936;

// `flags` MB_ERR_INVALID_CHARS makes an invalid byte fail the whole
// conversion (false); without it the system puts U+FFFD in its place.
bool ToWide(UINT codePage, std::string_view bytes, DWORD flags, std::wstring& out) {
  out.clear();
  if (bytes.empty()) return true;
  const int size = static_cast<int>(bytes.size());
  const int n = MultiByteToWideChar(codePage, flags, bytes.data(), size, nullptr, 0);
  if (n <= 0) return false;
  out.resize(static_cast<std::size_t>(n));
  return MultiByteToWideChar(codePage, flags, bytes.data(), size, out.data(), n) == n;
}

std::wstring ToWide(UINT codePage, std::string_view bytes) {
  std::wstring out;
  ToWide(codePage, bytes, 0, out);
  return out;
}

// GBK to UTF-16. A first byte (0x81 to 0xFE) that no second byte follows
// (a byte below 0x40 comes next, or nothing) is converted on its own: the
// system would otherwise take the byte after it (a line break, a digit) into
// the invalid pair and drop it.
std::wstring GbkToWide(std::string_view gbk) {
  std::wstring out;
  std::size_t run = 0;  // the start of the bytes not yet converted
  for (std::size_t p = 0; p < gbk.size(); p += CharLength(gbk, p)) {
    const auto byte = static_cast<unsigned char>(gbk[p]);
    if (byte < 0x81 || byte > 0xFE || CharLength(gbk, p) == 2) continue;
    out += ToWide(kGbk, gbk.substr(run, p + 1 - run));
    run = p + 1;
  }
  out += ToWide(kGbk, gbk.substr(run));
  return out;
}

// To GBK a character without a form of its own becomes "?", never a
// look-alike (WC_NO_BEST_FIT_CHARS); `replaced`, when given, says whether
// that happened. UTF-8 takes neither the flag nor a default character.
std::string FromWide(UINT codePage, std::wstring_view wide, bool* replaced = nullptr) {
  if (replaced) *replaced = false;
  if (wide.empty()) return {};
  const bool gbk = codePage != CP_UTF8;
  const DWORD flags = gbk ? WC_NO_BEST_FIT_CHARS : 0;
  const char* fallback = gbk ? "?" : nullptr;
  BOOL usedDefault = FALSE;
  BOOL* used = gbk ? &usedDefault : nullptr;
  const int size = static_cast<int>(wide.size());
  const int n =
      WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, fallback, nullptr);
  std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  WideCharToMultiByte(codePage, flags, wide.data(), size, out.data(), n, fallback, used);
  if (replaced) *replaced = usedDefault != FALSE;
  return out;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
  return FromWide(CP_UTF8, GbkToWide(gbk));
}

std::string Utf8ToGbk(std::string_view utf8) {
  std::wstring wide = ToWide(CP_UTF8, utf8);
  return Utf16ToGbk({reinterpret_cast<const char16_t*>(wide.data()), wide.size()});
}

bool Utf8ToGbkExactly(std::string_view utf8, std::string& gbk) {
  std::wstring wide;
  if (!ToWide(CP_UTF8, utf8, MB_ERR_INVALID_CHARS, wide)) return false;
  bool replaced = false;
  gbk = FromWide(kGbk, wide, &replaced);
  return !replaced;
}

std::u16string GbkToUtf16(std::string_view gbk) {
  std::wstring wide = GbkToWide(gbk);
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
