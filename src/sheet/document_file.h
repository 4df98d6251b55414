#pragma once
// The bytes of a worksheet document: what Open reads and Save writes. The
// document format is the worksheet text as it stands, GBK with CR LF; a file
// in UTF-8 or with LF line breaks is read into GBK and CR LF and written back
// in the form it came in.
#include <cstddef>
#include <string>

#include "files/text_file.h"

namespace tl::sheet {

struct DocumentText {
  std::string text;      // the worksheet text: GBK, CR LF
  files::FileForm form;  // how to write it back
  std::string error;     // why the file cannot be opened (GBK); empty on success
};

// The worksheet text of a file's bytes. The text ends before the first byte
// 0x00 or 0x1A (neither is ever the second byte of a two-byte character). A
// file that starts with a UTF-8 byte-order mark, or that is valid UTF-8 with a
// byte of 0x80 or more, is UTF-8; any other is GBK and taken byte for byte.
// UTF-8 with a character GBK cannot hold, and UTF-16, are refused.
DocumentText ReadDocument(std::string bytes);

// The bytes Save writes: `text` in `form`.
std::string WriteDocument(std::string text, const files::FileForm& form);

// The status message after an open, naming the file's encoding and line
// breaks.
std::string OpenedMessage(const files::FileForm& form);

}  // namespace tl::sheet
