#include <errno.h>
#include <iconv.h>

#include <cstring>

#include "text/encoding.h"

namespace tl::text {

namespace {

// Converts with iconv; an input sequence that cannot be converted is replaced
// by `replacement` (already in the target encoding) and skipped by
// the length that `skip` gives for the bytes at that point, so a bad byte
// never loses the rest of the text.
using SkipLength = std::size_t (*)(const char* bytes, std::size_t left);

std::size_t OneByte(const char*, std::size_t) {
  return 1;
}

// A whole UTF-8 sequence, so one character gives one replacement.
std::size_t Utf8Sequence(const char* bytes, std::size_t left) {
  unsigned char c = static_cast<unsigned char>(bytes[0]);
  std::size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
  return n <= left ? n : 1;
}

// A UTF-16LE unit, or a surrogate pair.
std::size_t Utf16Unit(const char* bytes, std::size_t left) {
  unsigned char high = static_cast<unsigned char>(bytes[1]);
  return high >= 0xD8 && high <= 0xDB && left >= 4 ? 4 : 2;
}

std::string Convert(const char* to, const char* from, std::string_view input,
                    std::string_view replacement, SkipLength skipLength) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return {};
  std::string out;
  out.resize(input.size() * 4 + 16);
  char* in = const_cast<char*>(input.data());
  std::size_t inLeft = input.size();
  std::size_t used = 0;
  while (inLeft > 0) {
    char* dst = out.data() + used;
    std::size_t outLeft = out.size() - used;
    std::size_t rc = iconv(cd, &in, &inLeft, &dst, &outLeft);
    used = out.size() - outLeft;
    if (rc != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) {
      out.resize(out.size() * 2);
    } else {  // EILSEQ or EINVAL: an unconvertible or truncated sequence
      if (out.size() - used < replacement.size()) out.resize(out.size() * 2 + replacement.size());
      std::memcpy(out.data() + used, replacement.data(), replacement.size());
      used += replacement.size();
      std::size_t skip = skipLength(in, inLeft);
      if (skip > inLeft) skip = inLeft;
      in += skip;
      inLeft -= skip;
    }
  }
  iconv_close(cd);
  out.resize(used);
  return out;
}

std::string_view AsBytes(std::u16string_view s) {
  return {reinterpret_cast<const char*>(s.data()), s.size() * sizeof(char16_t)};
}

const char kUtf8Replacement[] = "\xEF\xBF\xBD";
const char kUtf16Replacement[] = "\xFD\xFF";

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
  return Convert("UTF-8", "CP936", gbk, kUtf8Replacement, OneByte);
}

std::string Utf8ToGbk(std::string_view utf8) {
  return Convert("CP936", "UTF-8", utf8, "?", Utf8Sequence);
}

bool Utf8ToGbkExactly(std::string_view utf8, std::string& gbk) {
  // iconv gives some characters a look-alike's code (several characters
  // share one): only a character that comes back as itself has a form.
  gbk = Utf8ToGbk(utf8);
  return GbkToUtf8(gbk) == utf8;
}

std::u16string GbkToUtf16(std::string_view gbk) {
  std::string bytes =
      Convert("UTF-16LE", "CP936", gbk, std::string_view(kUtf16Replacement, 2), OneByte);
  std::u16string out(bytes.size() / 2, u'\0');
  std::memcpy(out.data(), bytes.data(), out.size() * 2);
  return out;
}

std::string Utf16ToGbk(std::u16string_view utf16) {
  return Convert("CP936", "UTF-16LE", AsBytes(utf16), "?", Utf16Unit);
}

}  // namespace tl::text
