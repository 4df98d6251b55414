#include "files/text_file.h"

#include <algorithm>

#include "text/encoding.h"
#include "text/gbk.h"

namespace tl::files {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Conversions go piece by piece so that the converter's working space stays
// small next to the text.
constexpr std::size_t kPieceSize = std::size_t{1} << 20;

bool IsAscii(std::string_view bytes) {
  unsigned char any = 0;
  for (const char c : bytes) any |= static_cast<unsigned char>(c);
  return any < 0x80;
}

std::size_t Count(std::string_view bytes, char c) {
  return static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), c));
}

// The length of the next piece of UTF-8: it never ends inside a character.
std::size_t Utf8PieceLength(std::string_view bytes) {
  if (bytes.size() <= kPieceSize) return bytes.size();
  std::size_t end = kPieceSize;
  while (end > 0 && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80) --end;
  return end > 0 ? end : kPieceSize;
}

// The length of the next piece of GBK: it ends after a byte below 0x40, which
// is always a whole character, or else after whole characters stepped over.
std::size_t GbkPieceLength(std::string_view bytes) {
  if (bytes.size() <= kPieceSize) return bytes.size();
  for (std::size_t end = kPieceSize; end > kPieceSize / 2; --end) {
    if (static_cast<unsigned char>(bytes[end - 1]) < 0x40) return end;
  }
  std::size_t end = 0;
  while (end < kPieceSize) end = text::NextChar(bytes, end);
  return end;
}

// Appends `piece`, making every LF a CR LF.
void AppendWithCrLf(std::string& out, std::string_view piece) {
  for (std::size_t lf = piece.find('\n'); lf != text::npos; lf = piece.find('\n')) {
    out.append(piece.substr(0, lf));
    out.append(text::kCrLf);
    piece.remove_prefix(lf + 1);
  }
  out.append(piece);
}

// Removes, from `from` on, every CR that stands before a LF.
void DropCrBeforeLf(std::string& bytes, std::size_t from) {
  std::size_t kept = from;
  for (std::size_t p = from; p < bytes.size(); ++p) {
    if (bytes[p] == '\r' && p + 1 < bytes.size() && bytes[p + 1] == '\n') continue;
    bytes[kept++] = bytes[p];
  }
  bytes.resize(kept);
}

// The 1-based line of `piece` that holds a character GBK cannot hold.
std::size_t LineWithoutGbkForm(std::string_view piece) {
  std::size_t line = 1;
  for (std::string_view rest = piece; !rest.empty(); ++line) {
    const std::size_t lf = rest.find('\n');
    const std::string_view one = rest.substr(0, lf);
    if (Count(text::Utf8ToGbk(one), '?') != Count(one, '?')) return line;
    if (lf == text::npos) break;
    rest.remove_prefix(lf + 1);
  }
  return line;
}

// UTF-8 to GBK, piece by piece; every '?' that the conversion adds stands for
// a character GBK has no form for.
bool ConvertToGbk(std::string_view body, bool lineFeeds, DecodedText& result) {
  std::size_t linesBefore = 0;
  while (!body.empty()) {
    const std::string_view piece = body.substr(0, Utf8PieceLength(body));
    const std::string gbk = text::Utf8ToGbk(piece);
    if (Count(gbk, '?') != Count(piece, '?')) {
      result.lineWithoutGbkForm = linesBefore + LineWithoutGbkForm(piece);
      result.error = "line " + std::to_string(result.lineWithoutGbkForm) +
                     " holds a character that GBK has no form for; the worksheet cannot take it";
      return false;
    }
    if (lineFeeds) {
      AppendWithCrLf(result.text, gbk);
    } else {
      result.text.append(gbk);
    }
    linesBefore += Count(piece, '\n');
    body.remove_prefix(piece.size());
  }
  return true;
}

}  // namespace

DecodedText DecodeText(std::string bytes, Encoding encoding) {
  DecodedText result;
  const bool ascii = IsAscii(bytes);
  if (encoding == Encoding::Auto) {
    encoding = ascii || text::IsValidUtf8(bytes) ? Encoding::Utf8 : Encoding::Gbk;
  } else if (encoding == Encoding::Utf8 && !ascii && !text::IsValidUtf8(bytes)) {
    result.error = "the input is not valid UTF-8";
    return result;
  }
  FileForm& form = result.form;
  form.encoding = encoding;
  std::string_view body = bytes;
  if (encoding == Encoding::Utf8 && body.starts_with(kByteOrderMark)) {
    form.byteOrderMark = true;
    body.remove_prefix(kByteOrderMark.size());
  }
  form.lineFeeds = body.find('\r') == text::npos && body.find('\n') != text::npos;
  const bool convert = encoding == Encoding::Utf8 && !ascii;
  if (!convert && !form.lineFeeds && !form.byteOrderMark) {
    result.text = std::move(bytes);
    return result;
  }
  std::string& text = result.text;
  text.reserve(body.size() + (form.lineFeeds ? Count(body, '\n') : 0));
  if (!convert) {
    if (form.lineFeeds) {
      AppendWithCrLf(text, body);
    } else {
      text.append(body);
    }
    return result;
  }
  if (!ConvertToGbk(body, form.lineFeeds, result)) text.clear();
  return result;
}

std::string EncodeText(std::string text, const FileForm& form) {
  if (form.encoding == Encoding::Utf8 && !IsAscii(text)) {
    std::string utf8;
    utf8.reserve(text.size() + text.size() / 2);
    for (std::string_view rest = text; !rest.empty();) {
      const std::string_view piece = rest.substr(0, GbkPieceLength(rest));
      utf8.append(text::GbkToUtf8(piece));
      rest.remove_prefix(piece.size());
    }
    text = std::move(utf8);
  }
  if (form.lineFeeds) DropCrBeforeLf(text, 0);
  if (form.byteOrderMark) text.insert(0, kByteOrderMark);
  return text;
}

}  // namespace tl::files
