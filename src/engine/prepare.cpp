#include "engine/prepare.h"

#include "engine/alphabet.h"
#include "engine/byte_writer.h"
#include "engine/token_kinds.h"
#include "text/gbk.h"

namespace tl::engine {

namespace {
constexpr std::string_view kFullWidthTilde = "～";
constexpr std::string_view kWhiteStar = "☆";
constexpr std::string_view kBlackStar = "★";

}  // namespace

char FoldedByte(char lead, char trail) {
  const auto second = static_cast<unsigned char>(trail);
  // Row A3, "！" to "￣": the full-width forms of ASCII.
  if (static_cast<unsigned char>(lead) == 0xA3 && second >= 0xA1 && second <= 0xFE) {
    return static_cast<char>(second & 0x7F);
  }
  const unsigned code = PairCode(lead, trail);
  if (code == PairCode(kFullWidthTilde)) return '~';
  if (code == PairCode(kWhiteStar) || code == PairCode(kBlackStar)) return '*';
  return 0;
}

// One pass does all four steps. Letters are lowered before the fold, so a
// full-width capital stays a capital. Spaces (the ideographic one included) are
// deleted before the fold, so the fold never meets one.
std::string PrepareExpression(std::string_view exprText) {
  std::string out;
  ByteWriter writer(out, exprText.size() + kEndMarker.size());  // nothing grows
  for (std::size_t p = 0; p < exprText.size();) {
    const char c = exprText[p];
    if (!text::IsLeadByte(c)) {
      if (c != ' ') writer.Put(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
      ++p;
      continue;
    }
    // A lead byte without its second byte is an incomplete character: dropped,
    // so that it cannot pair with the end marker or swallow what follows.
    if (text::CharLength(exprText, p) == 1) {
      ++p;
      continue;
    }
    const char trail = exprText[p + 1];
    p += 2;
    if (PairCode(c, trail) == PairCode(text::kIdeographicSpace)) continue;
    if (const char folded = FoldedByte(c, trail)) {
      writer.Put(folded);
    } else {
      writer.Put(c);
      writer.Put(trail);
    }
  }
  writer.Put(kEndMarker);
  writer.Finish();
  return out;
}

}  // namespace tl::engine
