#include "files/text_stream.h"

#include <algorithm>

#include "text/encoding.h"
#include "text/gbk.h"

namespace tl::files {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

unsigned char OrOfBytes(std::string_view bytes) {
  unsigned char any = 0;
  for (const char c : bytes) any |= static_cast<unsigned char>(c);
  return any;
}

bool IsAscii(std::string_view bytes) {
  return OrOfBytes(bytes) < 0x80;
}

// The length of the UTF-8 sequence that `lead` starts (1 for anything else).
std::size_t SequenceLength(char lead) {
  const auto c = static_cast<unsigned char>(lead);
  return c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
}

// The bytes up to the last whole UTF-8 character: a sequence that the end
// cuts short is left off.
std::size_t WholeUtf8Length(std::string_view bytes) {
  const std::size_t n = bytes.size();
  for (std::size_t back = 1; back <= std::min<std::size_t>(3, n); ++back) {
    if ((static_cast<unsigned char>(bytes[n - back]) & 0xC0) == 0x80) continue;
    return SequenceLength(bytes[n - back]) > back ? n - back : n;
  }
  return n;
}

// Completes `carry`, a UTF-8 character cut short, from the front of `bytes`.
// True when it is whole (or cannot become so).
bool CompleteCarry(std::string& carry, std::string_view& bytes) {
  const std::size_t wanted = SequenceLength(carry.front()) - carry.size();
  const std::size_t taken = std::min(wanted, bytes.size());
  carry.append(bytes.substr(0, taken));
  bytes.remove_prefix(taken);
  return taken == wanted;
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

// UTF-8 to GBK; false when a character has no GBK form of its own.
bool ConvertToGbk(std::string_view utf8, std::string& gbk) {
  return text::Utf8ToGbkExactly(utf8, gbk);
}

// The 1-based line of `piece` that holds a character GBK cannot hold.
std::size_t LineWithoutGbkForm(std::string_view piece) {
  std::size_t line = 1;
  std::string gbk;
  for (std::string_view rest = piece; !rest.empty(); ++line) {
    const std::size_t lf = rest.find('\n');
    if (!ConvertToGbk(rest.substr(0, lf), gbk)) return line;
    if (lf == text::npos) break;
    rest.remove_prefix(lf + 1);
  }
  return line;
}

constexpr std::string_view kChanged = "it changed while it was read";

// `bytes` with every 0x00 made a space, kept in `spaced` when there is one;
// `count` goes up by their number.
std::string_view WithoutNul(std::string_view bytes, std::string& spaced, std::uint64_t& count) {
  if (bytes.find('\0') == std::string_view::npos) return bytes;
  spaced.assign(bytes);
  for (char& c : spaced) {
    if (c != '\0') continue;
    c = ' ';
    ++count;
  }
  return spaced;
}

}  // namespace

void TextScanner::LineMeter::Add(std::string_view bytes) {
  std::size_t start = 0;
  for (std::size_t lf = bytes.find('\n'); lf != text::npos; lf = bytes.find('\n', start)) {
    length_ += lf - start;
    if (lf > start ? bytes[lf - 1] == '\r' : lastWasCr_) --length_;
    CheckLength();
    ++line_;
    length_ = 0;
    lastWasCr_ = false;
    start = lf + 1;
  }
  length_ += bytes.size() - start;
  if (start < bytes.size()) lastWasCr_ = bytes.back() == '\r';
}

void TextScanner::LineMeter::CheckLength() {
  if (length_ > limit_ && firstLong_ == 0) firstLong_ = line_;
}

TextScanner::TextScanner(Encoding encoding, std::uint64_t lineLimit)
    : encoding_(encoding), raw_(lineLimit), gbk_(lineLimit) {}

void TextScanner::Add(std::string_view bytes) {
  bytes = WithoutNul(bytes, spaced_, nulBytes_);
  if (!headDone_) {
    const std::size_t taken = std::min(kByteOrderMark.size() - head_.size(), bytes.size());
    head_.append(bytes.substr(0, taken));
    bytes.remove_prefix(taken);
    if (head_.size() < kByteOrderMark.size()) return;
    FinishHead();
  }
  if (encoding_ != Encoding::Gbk) AddUtf8(bytes);
  AddRaw(bytes);
}

void TextScanner::FinishHead() {
  headDone_ = true;
  // A byte-order mark is part of no line of the text read as UTF-8.
  startsWithMark_ = head_ == kByteOrderMark;
  if (startsWithMark_) {
    gbkStarted_ = true;
  } else if (encoding_ != Encoding::Gbk) {
    AddUtf8(head_);
  }
  AddRaw(head_);
}

void TextScanner::AddRaw(std::string_view bytes) {
  if (bytes.empty()) return;
  bytes_ += bytes.size();
  any_ |= OrOfBytes(bytes);
  if (last_ == '\r' && bytes.front() != '\n') loneBreaks_ = true;
  for (std::size_t p = bytes.find('\r'); p != text::npos; p = bytes.find('\r', p + 1)) {
    carriageReturns_ = true;
    // A CR at the end of the piece is judged by the next piece's first byte.
    if (p + 1 < bytes.size() && bytes[p + 1] != '\n') loneBreaks_ = true;
  }
  for (std::size_t p = bytes.find('\n'); p != text::npos; p = bytes.find('\n', p + 1)) {
    ++lineFeeds_;
    if ((p > 0 ? bytes[p - 1] : last_) != '\r') loneBreaks_ = true;
  }
  tabs_ = tabs_ || bytes.find('\t') != text::npos;
  beforeLast_ = bytes.size() > 1 ? bytes[bytes.size() - 2] : last_;
  last_ = bytes.back();
  raw_.Add(bytes);
}

void TextScanner::AddUtf8(std::string_view bytes) {
  if (!utf8Valid_ || bytes.empty()) return;
  if (!gbkStarted_) {
    // While every byte is ASCII the raw count is the GBK count.
    if (IsAscii(bytes)) return;
    gbk_ = raw_;
    gbkStarted_ = true;
  }
  if (encoding_ == Encoding::Auto && !startsWithMark_) guess_.AddBytes(bytes);
  if (!utf8Carry_.empty()) {
    if (!CompleteCarry(utf8Carry_, bytes)) return;
    const std::string whole = std::move(utf8Carry_);
    utf8Carry_.clear();
    CheckUtf8(whole);
  }
  const std::size_t whole = WholeUtf8Length(bytes);
  CheckUtf8(bytes.substr(0, whole));
  utf8Carry_.assign(bytes.substr(whole));
}

void TextScanner::CheckUtf8(std::string_view whole) {
  if (!utf8Valid_) return;
  if (IsAscii(whole)) {
    gbk_.Add(whole);
    return;
  }
  if (!text::IsValidUtf8(whole)) {
    utf8Valid_ = false;
    return;
  }
  if (encoding_ == Encoding::Auto && !startsWithMark_) guess_.AddUtf8Characters(whole);
  std::string gbk;
  if (lineWithoutGbkForm_ > 0) {
    gbk_.Add(whole);  // refused anyway: the count no longer matters
  } else if (!ConvertToGbk(whole, gbk)) {
    lineWithoutGbkForm_ = gbk_.Line() + LineWithoutGbkForm(whole) - 1;
    gbk_.Add(whole);
  } else {
    gbk_.Add(gbk);
  }
}

TextFacts TextScanner::Finish() {
  if (!headDone_) FinishHead();
  if (!utf8Carry_.empty()) utf8Valid_ = false;  // the text ends inside a character
  if (last_ == '\r') loneBreaks_ = true;
  raw_.Finish();
  gbk_.Finish();

  TextFacts facts;
  facts.ascii = any_ < 0x80;
  Encoding encoding = encoding_;
  if (encoding == Encoding::Auto) {
    const bool utf8 = utf8Valid_ && (startsWithMark_ || guess_.IsUtf8());
    encoding = utf8 ? Encoding::Utf8 : Encoding::Gbk;
  } else if (encoding == Encoding::Utf8 && !facts.ascii && !utf8Valid_) {
    facts.error = "the input is not valid UTF-8";
  }
  FileForm& form = facts.form;
  form.encoding = encoding;
  form.byteOrderMark = encoding == Encoding::Utf8 && startsWithMark_;
  form.lineFeeds = !carriageReturns_ && lineFeeds_ > 0;
  const bool converts = encoding == Encoding::Utf8 && !facts.ascii;
  if (converts && lineWithoutGbkForm_ > 0 && facts.error.empty()) {
    facts.lineWithoutGbkForm = lineWithoutGbkForm_;
    facts.error = "line " + std::to_string(lineWithoutGbkForm_) +
                  " holds a character that GBK has no form for; the worksheet cannot take it";
  }
  facts.bytes = bytes_;
  facts.nulBytes = nulBytes_;
  facts.lines = lineFeeds_ + 1;
  facts.onlyCrLfBreaks = form.lineFeeds || !loneBreaks_;
  facts.endsWithCrLf = form.lineFeeds ? last_ == '\n' : beforeLast_ == '\r' && last_ == '\n';
  facts.tabs = tabs_;
  facts.firstLongLine = (converts ? gbk_ : raw_).FirstLongLine();
  return facts;
}

bool TextDecoder::Add(std::string_view bytes, std::string& text) {
  if (!error_.empty()) return false;
  std::uint64_t nulBytes = 0;  // counted by the first reading
  bytes = WithoutNul(bytes, spaced_, nulBytes);
  if (form_.byteOrderMark && markLeft_ > 0) {
    const std::size_t skipped = std::min(markLeft_, bytes.size());
    markLeft_ -= skipped;
    bytes.remove_prefix(skipped);
  }
  if (form_.encoding != Encoding::Utf8) {
    AddComplete(bytes, text);
    return true;
  }
  if (!carry_.empty()) {
    if (!CompleteCarry(carry_, bytes)) return true;
    const std::string whole = std::move(carry_);
    carry_.clear();
    AddComplete(whole, text);
  }
  const std::size_t whole = WholeUtf8Length(bytes);
  AddComplete(bytes.substr(0, whole), text);
  carry_.assign(bytes.substr(whole));
  return error_.empty();
}

void TextDecoder::AddComplete(std::string_view bytes, std::string& text) {
  std::string gbk;
  if (form_.encoding == Encoding::Utf8 && !IsAscii(bytes)) {
    if (!ConvertToGbk(bytes, gbk)) {
      error_ = kChanged;
      return;
    }
    bytes = gbk;
  }
  if (form_.lineFeeds) {
    AppendWithCrLf(text, bytes);
  } else {
    text.append(bytes);
  }
}

bool TextDecoder::Finish() {
  if (error_.empty() && !carry_.empty()) error_ = kChanged;
  return error_.empty();
}

void TextEncoder::Add(std::string_view text, std::string& bytes) {
  if (form_.byteOrderMark && !markWritten_) {
    bytes.append(kByteOrderMark);
    markWritten_ = true;
  }
  if (form_.encoding != Encoding::Utf8) {
    AddComplete(text, bytes);
    return;
  }
  // Characters are converted whole: a first byte at the end waits for its
  // second.
  if (hasCarryLead_ && !text.empty()) {
    hasCarryLead_ = false;
    const char pair[] = {carryLead_, text.front()};
    const bool paired = text::FormsPair(carryLead_, text.front());
    AddComplete(std::string_view(pair, paired ? 2 : 1), bytes);
    if (paired) text.remove_prefix(1);
  }
  if (!text.empty() && text::IsLeadByte(text.back()) &&
      text::CharStart(text, text.size() - 1) == text.size() - 1) {
    carryLead_ = text.back();
    hasCarryLead_ = true;
    text.remove_suffix(1);
  }
  AddComplete(text, bytes);
}

void TextEncoder::AddComplete(std::string_view text, std::string& bytes) {
  std::string utf8;
  if (form_.encoding == Encoding::Utf8 && !IsAscii(text)) {
    utf8 = text::GbkToUtf8(text);
    text = utf8;
  }
  if (!form_.lineFeeds) {
    bytes.append(text);
    return;
  }
  if (text.empty()) return;
  if (pendingCr_) {
    pendingCr_ = false;
    if (text.front() != '\n') bytes += '\r';
  }
  const std::size_t start = bytes.size();
  bytes.append(text);
  DropCrBeforeLf(bytes, start);
  // A CR at the end may stand before a LF at the start of the next piece.
  if (bytes.size() > start && bytes.back() == '\r') {
    bytes.pop_back();
    pendingCr_ = true;
  }
}

void TextEncoder::Finish(std::string& bytes) {
  Add({}, bytes);  // the byte-order mark of an empty text
  if (hasCarryLead_) {
    hasCarryLead_ = false;
    AddComplete(std::string_view(&carryLead_, 1), bytes);
  }
  if (pendingCr_) bytes += '\r';
  pendingCr_ = false;
}

}  // namespace tl::files
