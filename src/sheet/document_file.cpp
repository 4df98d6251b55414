#include "sheet/document_file.h"

#include <string_view>

namespace tl::sheet {

namespace {

bool IsUtf16(std::string_view bytes) {
  return bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
}

}  // namespace

DocumentText ReadDocument(std::string bytes, files::Encoding encoding) {
  DocumentText result;
  if (IsUtf16(bytes)) {
    result.error = "文件是 UTF-16 编码的，只能打开 GBK 或 UTF-8 编码的文本文件。";
    return result;
  }
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
  result.nulBytes = decoded.nulBytes;
  return result;
}

std::string WriteDocument(std::string text, const files::FileForm& form) {
  return files::EncodeText(std::move(text), form);
}

std::string OpenedMessage(const DocumentText& read) {
  const files::FileForm& form = read.form;
  std::string message = "   [提示]_文件已打开（";
  if (form.encoding == files::Encoding::Utf8) {
    message += form.byteOrderMark ? "UTF-8 编码，带字节顺序标记" : "UTF-8 编码";
  } else {
    message += "GBK 编码";
  }
  message += form.lineFeeds ? "，LF 换行）" : "，CR LF 换行）";
  if (form.encoding == files::Encoding::Utf8 || form.lineFeeds) message += "，保存时保持此格式";
  if (read.nulBytes > 0) {
    message += "；" + std::to_string(read.nulBytes) + " 个 0x00 字节已替换为空格";
  }
  return message;
}

}  // namespace tl::sheet
