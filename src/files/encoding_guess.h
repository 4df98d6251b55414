#pragma once
// Which encoding a text file without a byte-order mark is in. Tallyline
// writes GBK, and short GBK texts are often valid UTF-8 as well («小» is
// D0 A1 in GBK, the UTF-8 form of «С»; «脳» is C3 97, the UTF-8 form of
// «×»), so GBK is the answer unless UTF-8 is clearly right. The rule:
//
//   A file is UTF-8 when (1) it is valid UTF-8, (2) it holds a character of
//   three or more bytes in UTF-8 (the form Chinese takes), and (3) its GBK
//   reading is not as plausible: the GBK reading is malformed (a byte that
//   starts no GBK character, or a first byte without a second), or it holds
//   fewer bytes in common characters than the UTF-8 reading does.
//   Everything else, pure ASCII included, is GBK.
//
// Common characters, counted in bytes. In GBK: GB2312 without its second
// level of hanzi (the symbol rows A1A1–A9FE and the first-level hanzi
// B0A1–D7F9). In UTF-8: the CJK Unified Ideographs U+4E00–U+9FFF, the CJK
// and full-width punctuation U+3000–U+30FF and U+FF00–U+FFEF, the
// punctuation and symbols U+2000–U+2BFF (√ ∟ ‰ “ ” among them), the
// emoji U+1F000–U+1FAFF, Greek and the signs × ÷ ° ± ·.
//
// Why this never misreads the sheets people write:
// - GBK text whose characters all have a first byte below E0 (all of GB2312
//   but the hanzi rows from E0 on, so every common character) is never
//   valid UTF-8 with a character of three bytes: from the start, a UTF-8
//   sequence can only begin where a GBK character begins; that first byte
//   is below E0, so the sequence has two bytes and covers exactly that GBK
//   character, and the next sequence begins where the next character does.
//   Rule (2) keeps all such text GBK.
// - UTF-8 text whose characters are all common reads as GBK with at least
//   one pair of an E0–F4 first byte and a continuation byte: the first
//   character of three or more bytes in a run of non-ASCII bytes starts at
//   an even offset of the run, as every shorter character before it has two
//   bytes. Such a pair is a second-level hanzi or an extension character,
//   never common, so the GBK reading counts fewer common bytes than the
//   UTF-8 reading, which counts them all.
#include <cstdint>
#include <string_view>

namespace tl::files {

class EncodingGuess {
 public:
  // The next bytes of the file (after a byte-order mark, if any), cut
  // anywhere: the GBK reading.
  void AddBytes(std::string_view bytes);
  // The next whole characters of the file read as UTF-8, already known to
  // be valid UTF-8: the UTF-8 reading.
  void AddUtf8Characters(std::string_view utf8);
  // Whether valid UTF-8 made of the characters given is UTF-8 by the rule.
  bool IsUtf8() const;

 private:
  bool longCharacter_ = false;  // a character of three or more bytes
  bool gbkMalformed_ = false;
  unsigned char lead_ = 0;  // a GBK first byte waiting for its second, 0 for none
  std::uint64_t gbkCommon_ = 0;
  std::uint64_t utf8Common_ = 0;
};

}  // namespace tl::files
