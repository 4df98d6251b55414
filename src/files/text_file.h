#pragma once
// Text files as the worksheet reads and writes them: GBK or UTF-8, CR LF or
// LF line breaks. Inside, the worksheet text is always GBK with CR LF; the
// file is written back in the form it was read in. The whole file is read:
// a byte 0x00, which no edit box can hold and no GBK or UTF-8 character
// contains but U+0000, is read as a space, as other Windows editors do; every
// other byte (0x1A too) is the text's.
#include <cstddef>
#include <string>
#include <string_view>

namespace tl::files {

enum class Encoding {
  Auto,  // GBK unless UTF-8 is clearly right (files/encoding_guess.h)
  Gbk,
  Utf8,
};

// How a file was written.
struct FileForm {
  Encoding encoding = Encoding::Gbk;  // Gbk or Utf8
  bool lineFeeds = false;             // LF line breaks: the file holds no CR at all
  bool byteOrderMark = false;         // UTF-8 that starts with EF BB BF
};

struct DecodedText {
  std::string text;  // GBK, CR LF
  FileForm form;
  std::size_t nulBytes = 0;  // bytes 0x00 read as spaces
  std::string error;         // why the bytes cannot be taken; empty on success
  // With such an error: the 1-based line holding a character GBK has no form
  // for; 0 for any other error.
  std::size_t lineWithoutGbkForm = 0;
};

// The worksheet text of a file's bytes, read as `encoding`. Takes the bytes
// over, so that a file that needs no change is not copied. UTF-8 whose
// characters GBK cannot all hold is refused (writing it back would lose
// them), and so are bytes that are not UTF-8 when UTF-8 is asked for.
DecodedText DecodeText(std::string bytes, Encoding encoding);

// The bytes of `text` written in `form`.
std::string EncodeText(std::string_view text, const FileForm& form);

}  // namespace tl::files
