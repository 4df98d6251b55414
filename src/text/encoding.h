#pragma once
// Conversion between the worksheet's GBK bytes (code page 936) and UTF-8 or
// UTF-16. Characters that the target cannot hold become "?" (U+003F), invalid
// input bytes become U+FFFD in UTF-8 and UTF-16 and "?" in GBK.
#include <string>
#include <string_view>

namespace tl::text {

std::string GbkToUtf8(std::string_view gbk);
std::string Utf8ToGbk(std::string_view utf8);
std::u16string GbkToUtf16(std::string_view gbk);
std::string Utf16ToGbk(std::u16string_view utf16);

// UTF-8 to GBK with nothing replaced: false when a byte is not valid UTF-8
// or a character has no GBK form of its own (none at all, or only a
// look-alike that would come back as another character); `gbk` is then
// unspecified.
bool Utf8ToGbkExactly(std::string_view utf8, std::string& gbk);

// Characters that GBK cannot hold exactly: an emoji or any character outside
// the basic plane (two UTF-16 units), a lone surrogate, or a character of the
// basic plane that does not come back unchanged from GBK (Thai, for one).
// NonGbkLength gives the units of such a character at `i` (1 or 2), 0 for a
// character that GBK holds; FitsGbk is true when the text has none.
std::size_t NonGbkLength(std::u16string_view utf16, std::size_t i);
bool FitsGbk(std::u16string_view utf16);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view bytes);

}  // namespace tl::text
