#include "text/encoding.h"

namespace tl::text {

namespace {

bool IsHighSurrogate(char16_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsSurrogate(char16_t unit) {
  return unit >= 0xD800 && unit <= 0xDFFF;
}

}  // namespace

std::size_t NonGbkLength(std::u16string_view utf16, std::size_t i) {
  if (i >= utf16.size()) return 0;
  const char16_t unit = utf16[i];
  if (unit < 0x80) return 0;
  if (IsSurrogate(unit)) {
    const bool pair = IsHighSurrogate(unit) && i + 1 < utf16.size() && IsSurrogate(utf16[i + 1]) &&
                      !IsHighSurrogate(utf16[i + 1]);
    return pair ? 2 : 1;
  }
  return FitsGbk(utf16.substr(i, 1)) ? 0 : 1;
}

bool FitsGbk(std::u16string_view utf16) {
  // Whatever GBK cannot hold comes back as "?" or as another character.
  return GbkToUtf16(Utf16ToGbk(utf16)) == utf16;
}

}  // namespace tl::text
