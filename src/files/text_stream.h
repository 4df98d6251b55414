#pragma once
// Text files piece by piece, so that a file of any size is read, evaluated
// and written in little memory: a first reading learns what the whole file is
// (its encoding and line breaks can only be known at its end), then each
// piece is decoded into worksheet text, and each piece of worksheet text is
// encoded back into the file's form. Pieces may be cut anywhere; decoded or
// encoded in pieces, a text gives the bytes it gives whole.
#include <cstdint>
#include <string>
#include <string_view>

#include "files/encoding_guess.h"
#include "files/text_file.h"

namespace tl::files {

// What the first reading found: the form to read the file in and what the
// worksheet text it decodes to is like.
struct TextFacts {
  FileForm form;
  std::string error;  // why the file cannot be taken; empty when it can
  std::uint64_t bytes = 0;
  std::uint64_t nulBytes = 0;  // bytes 0x00, each read as a space
  std::uint64_t lines = 1;     // LF bytes + 1
  bool onlyCrLfBreaks = true;  // every CR stands before a LF, every LF after a CR
  bool endsWithCrLf = false;
  bool tabs = false;
  bool ascii = true;
  // The 1-based number of the first line with more than the line limit's
  // bytes of worksheet text (its line break not counted); 0 for none.
  std::uint64_t firstLongLine = 0;
  // Read as UTF-8: the 1-based line holding a character GBK has no form for;
  // 0 for none.
  std::uint64_t lineWithoutGbkForm = 0;
};

// The first reading. `encoding` is the one asked for.
class TextScanner {
 public:
  TextScanner(Encoding encoding, std::uint64_t lineLimit);
  void Add(std::string_view bytes);
  TextFacts Finish();

 private:
  // Counts lines and their lengths, a line's break not counted.
  class LineMeter {
   public:
    explicit LineMeter(std::uint64_t limit) : limit_(limit) {}
    void Add(std::string_view bytes);
    void Finish() { CheckLength(); }
    std::uint64_t Line() const { return line_; }
    std::uint64_t FirstLongLine() const { return firstLong_; }

   private:
    void CheckLength();
    std::uint64_t limit_;
    std::uint64_t line_ = 1;
    std::uint64_t length_ = 0;
    std::uint64_t firstLong_ = 0;
    bool lastWasCr_ = false;
  };

  void FinishHead();
  void AddRaw(std::string_view bytes);
  void AddUtf8(std::string_view bytes);
  void CheckUtf8(std::string_view whole);

  Encoding encoding_;
  std::uint64_t nulBytes_ = 0;
  std::string spaced_;  // a piece with its 0x00 bytes made spaces
  std::string head_;    // the first bytes, held until a byte-order mark is ruled in or out
  bool headDone_ = false;
  bool startsWithMark_ = false;
  std::uint64_t bytes_ = 0;
  std::uint64_t lineFeeds_ = 0;
  unsigned char any_ = 0;  // every byte or-ed together: below 0x80, the text is ASCII
  bool carriageReturns_ = false;
  bool loneBreaks_ = false;
  bool tabs_ = false;
  char last_ = '\0';
  char beforeLast_ = '\0';
  LineMeter raw_;
  // Read as UTF-8: whether it is, and the GBK it converts to.
  bool utf8Valid_ = true;
  std::string utf8Carry_;    // a character cut by the end of a piece
  bool gbkStarted_ = false;  // until then every byte is ASCII and gbk_ would count as raw_ does
  LineMeter gbk_;
  std::uint64_t lineWithoutGbkForm_ = 0;
  EncodingGuess guess_;  // without a byte-order mark: whether UTF-8 is clearly right
};

// The second reading: the worksheet text (GBK, CR LF) of the file's bytes.
class TextDecoder {
 public:
  explicit TextDecoder(const FileForm& form) : form_(form) {}
  // Appends the worksheet text of the next bytes; false once they cannot be
  // taken, which the first reading rules out unless the file changed since,
  // with the reason in Error().
  bool Add(std::string_view bytes, std::string& text);
  bool Finish();
  const std::string& Error() const { return error_; }

 private:
  void AddComplete(std::string_view bytes, std::string& text);
  FileForm form_;
  std::string spaced_;        // a piece with its 0x00 bytes made spaces
  std::size_t markLeft_ = 3;  // bytes of the byte-order mark still to skip
  std::string carry_;         // a UTF-8 character cut by the end of a piece
  std::string error_;
};

// The file's bytes of worksheet text, piece by piece.
class TextEncoder {
 public:
  explicit TextEncoder(const FileForm& form) : form_(form) {}
  // Appends the bytes of the next piece of worksheet text.
  void Add(std::string_view text, std::string& bytes);
  // Appends what was held back for the next piece.
  void Finish(std::string& bytes);

 private:
  void AddComplete(std::string_view text, std::string& bytes);
  FileForm form_;
  bool markWritten_ = false;
  char carryLead_ = '\0';  // a first byte cut from its second by the end of a piece
  bool hasCarryLead_ = false;
  bool pendingCr_ = false;  // a CR at the end of a piece, dropped if a LF follows
};

}  // namespace tl::files
