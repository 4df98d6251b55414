// Any bytes as a text file, read as Open reads it and, piece by piece, as
// the command line's run reads it. The first byte picks the encoding asked
// for (auto, GBK, UTF-8) and the size of the pieces. Invariants: the file
// either reads or is refused with a message, never both; whole and in pieces
// the reading agrees; a file that reads writes back its own bytes, each 0x00
// a space.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "files/text_file.h"
#include "files/text_stream.h"
#include "sheet/document_file.h"

namespace {

using tl::files::Encoding;

constexpr Encoding kEncodings[] = {Encoding::Auto, Encoding::Gbk, Encoding::Utf8, Encoding::Auto};

void Check(bool holds) {
  if (!holds) std::abort();
}

bool SameForm(const tl::files::FileForm& a, const tl::files::FileForm& b) {
  return a.encoding == b.encoding && a.lineFeeds == b.lineFeeds &&
         a.byteOrderMark == b.byteOrderMark;
}

// The whole bytes, read in pieces of `size`, agree with `whole` and, when
// they read, write back the same bytes in pieces too.
void CheckPieces(std::string_view bytes, Encoding encoding, std::size_t size,
                 const tl::files::DecodedText& whole) {
  tl::files::TextScanner scanner(encoding, static_cast<std::uint64_t>(-1));
  for (std::size_t p = 0; p < bytes.size(); p += size) scanner.Add(bytes.substr(p, size));
  const tl::files::TextFacts facts = scanner.Finish();
  Check(facts.error == whole.error);
  Check(facts.nulBytes == whole.nulBytes);
  if (!facts.error.empty()) return;
  Check(SameForm(facts.form, whole.form));
  tl::files::TextDecoder decoder(facts.form);
  std::string text;
  for (std::size_t p = 0; p < bytes.size(); p += size)
    Check(decoder.Add(bytes.substr(p, size), text));
  Check(decoder.Finish());
  Check(text == whole.text);
  tl::files::TextEncoder encoder(facts.form);
  std::string back;
  for (std::size_t p = 0; p < text.size(); p += size) encoder.Add(text.substr(p, size), back);
  encoder.Finish(back);
  Check(back == tl::files::EncodeText(whole.text, whole.form));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const Encoding encoding = kEncodings[data[0] & 3];
  const std::size_t pieceSize = 1 + (data[0] >> 2);
  const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  std::string spaced = bytes;
  std::replace(spaced.begin(), spaced.end(), '\0', ' ');

  const tl::files::DecodedText whole = tl::files::DecodeText(bytes, encoding);
  Check(whole.error.empty() || whole.text.empty());
  if (whole.error.empty()) Check(tl::files::EncodeText(whole.text, whole.form) == spaced);
  CheckPieces(bytes, encoding, pieceSize, whole);

  const tl::sheet::DocumentText read = tl::sheet::ReadDocument(bytes);
  if (read.error.empty()) {
    Check(tl::sheet::WriteDocument(read.text, read.form) == spaced);
    Check(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\0')) == read.nulBytes);
  }
  return 0;
}
