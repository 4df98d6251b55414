#include "text/encoding.h"

namespace tl::text {

bool IsValidUtf8(std::string_view bytes) {
  std::size_t p = 0;
  while (p < bytes.size()) {
    unsigned char c = static_cast<unsigned char>(bytes[p]);
    std::size_t extra;
    unsigned min;
    unsigned code;
    if (c < 0x80) {
      ++p;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      extra = 1, min = 0x80, code = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
      extra = 2, min = 0x800, code = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
      extra = 3, min = 0x10000, code = c & 0x07;
    } else {
      return false;
    }
    if (p + extra >= bytes.size()) return false;
    for (std::size_t i = 1; i <= extra; ++i) {
      unsigned char t = static_cast<unsigned char>(bytes[p + i]);
      if ((t & 0xC0) != 0x80) return false;
      code = (code << 6) | (t & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    p += extra + 1;
  }
  return true;
}

}  // namespace tl::text
