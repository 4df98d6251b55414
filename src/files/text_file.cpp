#include "files/text_file.h"

#include <algorithm>
#include <limits>

#include "files/text_stream.h"

namespace tl::files {

DecodedText DecodeText(std::string bytes, Encoding encoding) {
  TextScanner scanner(encoding, std::numeric_limits<std::uint64_t>::max());
  scanner.Add(bytes);
  const TextFacts facts = scanner.Finish();
  DecodedText result;
  result.form = facts.form;
  result.nulBytes = static_cast<std::size_t>(facts.nulBytes);
  if (!facts.error.empty()) {
    result.error = facts.error;
    result.lineWithoutGbkForm = static_cast<std::size_t>(facts.lineWithoutGbkForm);
    return result;
  }
  const FileForm& form = facts.form;
  const bool converts = form.encoding == Encoding::Utf8 && !facts.ascii;
  if (!converts && !form.lineFeeds && !form.byteOrderMark) {
    if (facts.nulBytes > 0) std::replace(bytes.begin(), bytes.end(), '\0', ' ');
    result.text = std::move(bytes);
    return result;
  }
  result.text.reserve(bytes.size() + (form.lineFeeds ? facts.lines : 0));
  TextDecoder decoder(form);
  if (!decoder.Add(bytes, result.text) || !decoder.Finish()) result.error = decoder.Error();
  return result;
}

std::string EncodeText(std::string_view text, const FileForm& form) {
  TextEncoder encoder(form);
  std::string bytes;
  encoder.Add(text, bytes);
  encoder.Finish(bytes);
  return bytes;
}

}  // namespace tl::files
