#pragma once
// Double-byte aware operations over GBK byte strings (code page 936).
//
// A byte of 0x81 to 0xFE starts a two-byte character; the second byte may be
// any of 0x40..0xFE, ASCII letters and "\" included ("∟" is A8 4E, whose
// second byte is "N"). Every search and step here only ever lands on the first
// byte of a character, so a match can never begin on a second byte.
//
// Text that is not valid GBK still steps consistently: a first byte followed
// by a byte below 0x40 (a line break, a digit) or by nothing is a character
// of its own, so a byte below 0x40 is never a second byte and CR LF is never
// swallowed into a character.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tl::text {

inline constexpr std::size_t npos = std::string_view::npos;
inline constexpr std::string_view kCrLf = "\r\n";
inline constexpr std::string_view kIdeographicSpace = "\xA1\xA1";

// 0x81 to 0xFE, as code page 936 has them: 0x80 ("€") and 0xFF are
// characters of one byte, and taking them as first bytes would join them with
// the next character, which the edit control shows apart.
inline bool IsLeadByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x81 && byte <= 0xFE;
}

// True when `lead` and `next` form one two-byte character.
inline bool FormsPair(char lead, char next) {
  return IsLeadByte(lead) && static_cast<unsigned char>(next) >= 0x40;
}

// Length in bytes of the character that starts at `pos` (1 or 2).
inline std::size_t CharLength(std::string_view text, std::size_t pos) {
  return pos + 1 < text.size() && FormsPair(text[pos], text[pos + 1]) ? 2 : 1;
}

// The start of the character that contains byte `pos` (pos itself when it is a
// first byte). Cost: the distance back to the nearest byte below 0x40, which can
// never be a second byte, so a line costs at most its own length.
std::size_t CharStart(std::string_view text, std::size_t pos);

// One character forward from `pos` (a character start); stops at text.size().
inline std::size_t NextChar(std::string_view text, std::size_t pos) {
  return pos >= text.size() ? text.size() : pos + CharLength(text, pos);
}

// The start of the character that ends just before `pos`; 0 at the start.
std::size_t PrevChar(std::string_view text, std::size_t pos);

// The first occurrence of `needle` that starts on a character start at or after
// `from` (a character start), or npos.
std::size_t Find(std::string_view text, std::string_view needle, std::size_t from = 0);

// The last occurrence of `needle` that starts on a character start and ends at
// or before `end`, or npos.
std::size_t RFind(std::string_view text, std::string_view needle, std::size_t end = npos);

// Splits at every CR LF. An empty text gives one empty piece; a trailing CR LF
// gives a trailing empty piece.
std::vector<std::string_view> SplitLines(std::string_view text);

// True when an ASCII space or an ideographic space starts at `pos`.
inline bool IsSpaceAt(std::string_view text, std::size_t pos) {
  return text[pos] == ' ' || text.substr(pos, 2) == kIdeographicSpace;
}

// The text with every ASCII and ideographic space removed.
std::string RemoveSpaces(std::string_view text);
// The same text written into `out`, whose storage is kept.
void RemoveSpaces(std::string_view text, std::string& out);

// RemoveSpaces(text) == other, without building that text when `text` holds
// no space.
bool EqualsWithoutSpaces(std::string_view text, std::string_view other);

// ASCII letters lowered; two-byte characters are left untouched.
std::string ToLowerAscii(std::string_view text);

// Every occurrence of `from` replaced by `to`, double-byte aware.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

}  // namespace tl::text
