#pragma once
// The private-profile (INI) format over GBK bytes, independent of the
// system code page: what GetPrivateProfileStringA and
// WritePrivateProfileStringA do to a file's text, as pure functions on its
// content.
//
// - A line is a section header when it starts (after white space) with "["
//   and holds a "]"; the name lies between "[" and the last "]".
// - Any other line that is not blank is an entry: its name is the text before
//   the first "=" and its value the text after it; a line without "=" is an
//   entry without a value, which reads as missing.
// - Names and values lose their surrounding white space; names compare with
//   ASCII letters folded to lower case, double-byte characters as they are.
// - The first section with the name is the only one consulted, and in it
//   the first entry with the name wins.
// - Lines end with CR LF, LF or a lone CR.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tl::settings {

// The reading buffer of the Windows functions, terminator included: a value
// reads as at most kValueLimit - 1 bytes.
inline constexpr std::size_t kValueLimit = 10240;

// The value of `key` in `section`, without its surrounding white space and
// without one pair of matching enclosing quotes (" or '), cut to
// kValueLimit - 1 bytes on a character boundary; nullopt when the key is
// missing or has no "=".
std::optional<std::string> ReadProfileValue(std::string_view content, std::string_view section,
                                            std::string_view key);

// Sets `key` in `section` to `value`: on the key's first line everything
// after the "=" is replaced (the name keeps its spelling and spacing); a
// missing key is added, spelled as given, after the last non-blank line of
// its section; a missing section is added at the end. Every other byte of
// `content` stays as it was. A value is cut at its first line break or NUL
// so that it cannot add lines.
void WriteProfileValue(std::string& content, std::string_view section, std::string_view key,
                       std::string_view value);

}  // namespace tl::settings
