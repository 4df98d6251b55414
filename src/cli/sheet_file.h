#pragma once
// Worksheet files as `run` reads and writes them: GBK or UTF-8, CR LF or LF
// line breaks. Inside, the worksheet text is always GBK with CR LF; the file
// is written back in the form it was read in.
#include <string>
#include <string_view>

namespace tl::cli {

enum class Encoding {
  Auto,  // valid UTF-8 is UTF-8, anything else GBK
  Gbk,
  Utf8,
};

// How a file was written.
struct FileForm {
  Encoding encoding = Encoding::Gbk;  // Gbk or Utf8
  bool lineFeeds = false;             // LF line breaks: the file holds no CR at all
  bool byteOrderMark = false;         // UTF-8 that starts with EF BB BF
};

struct DecodedSheet {
  std::string text;  // GBK, CR LF
  FileForm form;
  std::string error;  // why the bytes cannot be taken; empty on success
};

// The worksheet text of a file. Takes the bytes over, so that a file that
// needs no change is not copied. UTF-8 whose characters GBK cannot all hold is
// refused (writing it back would lose them), and so is --encoding utf-8 on
// bytes that are not UTF-8.
DecodedSheet DecodeSheet(std::string bytes, Encoding encoding);

// The bytes of `text` written in `form`; line breaks are changed in place.
std::string EncodeSheet(std::string text, const FileForm& form);

}  // namespace tl::cli
