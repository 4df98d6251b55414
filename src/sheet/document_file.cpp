#include "sheet/document_file.h"

#include <algorithm>
#include <string_view>

namespace tl::sheet {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool IsUtf16(std::string_view bytes) {
  return bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
}

bool IsAscii(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

DocumentText ReadDocument(std::string bytes) {
  DocumentText result;
  if (IsUtf16(bytes)) {
    result.error = "文件是 UTF-16 编码的，只能打开 GBK 或 UTF-8 编码的文本文件。";
    return result;
  }
  const std::size_t end = bytes.find_first_of(std::string_view("\0\x1A", 2));
  if (end != std::string::npos) bytes.resize(end);
  // Plain ASCII is GBK as well: only a byte-order mark or a non-ASCII
  // character makes a file UTF-8.
  const files::Encoding encoding = !bytes.starts_with(kUtf8Mark) && IsAscii(bytes)
                                       ? files::Encoding::Gbk
                                       : files::Encoding::Auto;
  files::DecodedText decoded = files::DecodeText(std::move(bytes), encoding);
  if (!decoded.error.empty()) {
    result.error = decoded.lineWithoutGbkForm == 0
                       ? decoded.error
                       : "文件是 UTF-8 编码的，第 " + std::to_string(decoded.lineWithoutGbkForm) +
                             " 行有 GBK 编码无法表示的字符，打开会丢失这些字符。";
    return result;
  }
  result.text = std::move(decoded.text);
  result.form = decoded.form;
  return result;
}

std::string WriteDocument(std::string text, const files::FileForm& form) {
  return files::EncodeText(std::move(text), form);
}

std::string OpenedMessage(const files::FileForm& form) {
  std::string message = "   [提示]_文件已打开（";
  if (form.encoding == files::Encoding::Utf8) {
    message += form.byteOrderMark ? "UTF-8 编码，带字节顺序标记" : "UTF-8 编码";
  } else {
    message += "GBK 编码";
  }
  message += form.lineFeeds ? "，LF 换行）" : "，CR LF 换行）";
  if (form.encoding == files::Encoding::Utf8 || form.lineFeeds) message += "，保存时保持此格式";
  return message;
}

}  // namespace tl::sheet
