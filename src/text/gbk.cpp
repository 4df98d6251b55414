#include "text/gbk.h"

#include <cstdint>
#include <cstring>

namespace tl::text {

namespace {
// A byte below 0x40 is never the second byte of a character.
bool IsBoundaryByte(char c) {
  return static_cast<unsigned char>(c) < 0x40;
}

// Whether a byte of `text` is " " or a first byte (and so perhaps starts an
// ideographic space). Eight bytes at a time: a byte of w ^ 0x2020… is zero
// where w holds a space, and (x − 0x0101…) & ~x & 0x8080… is not zero exactly
// when a byte of x is zero.
bool HasSpaceOrLeadByte(std::string_view text) {
  constexpr std::uint64_t kOnes = 0x0101010101010101;
  constexpr std::uint64_t kHighBits = 0x8080808080808080;
  constexpr std::uint64_t kSpaces = 0x2020202020202020;
  std::size_t p = 0;
  for (; p + 8 <= text.size(); p += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + p, sizeof word);
    const std::uint64_t spacesZeroed = word ^ kSpaces;
    if ((word & kHighBits) != 0 || ((spacesZeroed - kOnes) & ~spacesZeroed & kHighBits) != 0)
      return true;
  }
  for (; p < text.size(); ++p) {
    if (text[p] == ' ' || IsLeadByte(text[p])) return true;
  }
  return false;
}

// The nearest position at or before `pos` that is known to be a character start.
std::size_t SafeStart(std::string_view text, std::size_t pos) {
  while (pos > 0 && !IsBoundaryByte(text[pos - 1])) --pos;
  return pos;
}
}  // namespace

std::size_t CharStart(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return text.size();
  std::size_t p = SafeStart(text, pos);
  for (;;) {
    std::size_t next = p + CharLength(text, p);
    if (next > pos) return p;
    p = next;
  }
}

std::size_t PrevChar(std::string_view text, std::size_t pos) {
  if (pos == 0) return 0;
  if (pos > text.size()) pos = text.size();
  return CharStart(text, pos - 1);
}

std::size_t Find(std::string_view text, std::string_view needle, std::size_t from) {
  if (needle.empty()) return from <= text.size() ? from : npos;
  std::size_t p = from;
  while (p + needle.size() <= text.size()) {
    std::size_t hit = text.find(needle, p);
    if (hit == npos) return npos;
    while (p < hit) p += CharLength(text, p);
    if (p == hit) return hit;
    // The raw hit began on a second byte; go on from the next character.
  }
  return npos;
}

std::size_t RFind(std::string_view text, std::string_view needle, std::size_t end) {
  if (end > text.size()) end = text.size();
  if (needle.size() > end) return npos;
  std::size_t candidate = end - needle.size();
  for (;;) {
    std::size_t hit = text.substr(0, candidate + needle.size()).rfind(needle);
    if (hit == npos) return npos;
    if (CharStart(text, hit) == hit) return hit;
    if (hit == 0) return npos;
    candidate = hit - 1;
  }
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (;;) {
    std::size_t cr = text.find(kCrLf, start);  // CR and LF are never second bytes
    if (cr == npos) break;
    lines.push_back(text.substr(start, cr - start));
    start = cr + 2;
  }
  lines.push_back(text.substr(start));
  return lines;
}

std::string RemoveSpaces(std::string_view text) {
  std::string out;
  RemoveSpaces(text, out);
  return out;
}

void RemoveSpaces(std::string_view text, std::string& out) {
  if (!HasSpaceOrLeadByte(text)) {
    out.assign(text);
    return;
  }
  // Copies the runs between spaces whole: most texts hold few spaces.
  out.clear();
  out.reserve(text.size());
  std::size_t run = 0;
  for (std::size_t p = 0; p < text.size();) {
    const char c = text[p];
    if (c == ' ') {
      out.append(text.substr(run, p - run));
      run = ++p;
    } else if (!IsLeadByte(c)) {
      ++p;
    } else if (CharLength(text, p) == 1) {
      ++p;
    } else if (text.substr(p, 2) == kIdeographicSpace) {
      out.append(text.substr(run, p - run));
      run = p += 2;
    } else {
      p += 2;
    }
  }
  out.append(text.substr(run));
}

bool EqualsWithoutSpaces(std::string_view text, std::string_view other) {
  // Reads `text` as RemoveSpaces does and compares each character it keeps
  // with the next one of `other`: most texts differ at their first byte.
  std::size_t q = 0;
  for (std::size_t p = 0; p < text.size();) {
    const char c = text[p];
    if (c == ' ') {
      ++p;
      continue;
    }
    const std::size_t length = IsLeadByte(c) ? CharLength(text, p) : 1;
    if (length == 2 && text.substr(p, 2) == kIdeographicSpace) {
      p += 2;
      continue;
    }
    if (other.size() - q < length || other.substr(q, length) != text.substr(p, length))
      return false;
    p += length;
    q += length;
  }
  return q == other.size();
}

std::string ToLowerAscii(std::string_view text) {
  std::string out(text);
  for (std::size_t p = 0; p < out.size(); p += CharLength(out, p)) {
    if (out[p] >= 'A' && out[p] <= 'Z') out[p] = static_cast<char>(out[p] - 'A' + 'a');
  }
  return out;
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(text.size());
  std::size_t p = 0;
  for (std::size_t hit; !from.empty() && (hit = Find(text, from, p)) != npos;
       p = hit + from.size()) {
    out.append(text.substr(p, hit - p)).append(to);
  }
  out.append(text.substr(p));
  return out;
}

}  // namespace tl::text
