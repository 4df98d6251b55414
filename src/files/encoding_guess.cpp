#include "files/encoding_guess.h"

namespace tl::files {

namespace {

bool IsCommonGbk(unsigned char lead, unsigned char trail) {
  if (trail < 0xA1 || trail == 0xFF) return false;
  if (lead >= 0xA1 && lead <= 0xA9) return true;
  return lead >= 0xB0 && (lead < 0xD7 || (lead == 0xD7 && trail <= 0xF9));
}

bool IsCommonUtf8(char32_t c) {
  return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3000 && c <= 0x30FF) ||
         (c >= 0xFF00 && c <= 0xFFEF) || (c >= 0x2000 && c <= 0x2BFF) ||
         (c >= 0x1F000 && c <= 0x1FAFF) || (c >= 0x0391 && c <= 0x03C9) || c == 0xD7 || c == 0xF7 ||
         c == 0xB0 || c == 0xB1 || c == 0xB7;
}

}  // namespace

void EncodingGuess::AddBytes(std::string_view bytes) {
  if (gbkMalformed_) return;
  for (const char byte : bytes) {
    const auto b = static_cast<unsigned char>(byte);
    if (lead_ != 0) {
      if (b < 0x40 || b == 0x7F || b == 0xFF) {
        gbkMalformed_ = true;
        return;
      }
      if (IsCommonGbk(lead_, b)) gbkCommon_ += 2;
      lead_ = 0;
    } else if (b >= 0x81 && b <= 0xFE) {
      lead_ = b;
    } else if (b == 0xFF) {
      gbkMalformed_ = true;
      return;
    }
  }
}

void EncodingGuess::AddUtf8Characters(std::string_view utf8) {
  for (std::size_t p = 0; p < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[p]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (length == 1) {
      ++p;
      continue;
    }
    char32_t c = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length && p + i < utf8.size(); ++i) {
      c = c << 6 | (static_cast<unsigned char>(utf8[p + i]) & 0x3F);
    }
    if (length >= 3) longCharacter_ = true;
    if (IsCommonUtf8(c)) utf8Common_ += length;
    p += length;
  }
}

bool EncodingGuess::IsUtf8() const {
  // A first byte left waiting: the text ends inside a GBK character.
  const bool malformed = gbkMalformed_ || lead_ != 0;
  return longCharacter_ && (malformed || utf8Common_ > gbkCommon_);
}

}  // namespace tl::files
