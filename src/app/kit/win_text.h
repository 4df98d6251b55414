#pragma once
// The one place where the window layer crosses between the worksheet's GBK
// bytes and the UTF-16 of the Unicode controls.
#include <string>
#include <string_view>

#include "text/encoding.h"

namespace tl::app {

inline std::wstring Wide(std::string_view gbk) {
  std::u16string s = text::GbkToUtf16(gbk);
  return {s.begin(), s.end()};
}

inline std::string Gbk(std::wstring_view wide) {
  return text::Utf16ToGbk({reinterpret_cast<const char16_t*>(wide.data()), wide.size()});
}

}  // namespace tl::app
