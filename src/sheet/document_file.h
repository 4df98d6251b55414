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
  std::string text;          // the worksheet text: GBK, CR LF
  files::FileForm form;      // how to write it back
  std::size_t nulBytes = 0;  // bytes 0x00 read as spaces
  std::string error;         // why the file cannot be opened (GBK); empty on success
};

// The worksheet text of a file's bytes: the one reader of Open, a dropped
// file and the content backup (and, piece by piece, of the command line's
// run). The whole file is read, each byte 0x00 as a space. A file that
// starts with a UTF-8 byte-order mark is UTF-8; without one, `encoding`
// Auto reads GBK unless UTF-8 is clearly right (files/encoding_guess.h), and
// GBK is taken byte for byte. UTF-8 with a character GBK cannot hold, and
// UTF-16, are refused.
DocumentText ReadDocument(std::string bytes, files::Encoding encoding = files::Encoding::Auto);

// The bytes Save writes: `text` in `form`.
std::string WriteDocument(std::string text, const files::FileForm& form);

// The status message after an open, naming the file's encoding and line
// breaks, and how many bytes 0x00 became spaces.
std::string OpenedMessage(const DocumentText& read);

}  // namespace tl::sheet
