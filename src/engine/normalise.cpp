#include "engine/normalise.h"

#include <array>

#include "engine/alphabet.h"
#include "engine/byte_writer.h"
#include "engine/messages.h"
#include "engine/prepare.h"
#include "engine/token_kinds.h"
#include "text/gbk.h"

namespace tl::engine {

namespace {

// Open brackets exactly as typed ("(", "[", "{"): matching is done on the kinds
// as typed, although all of them become "(" in the output. A string keeps
// shallow nesting free of allocations.
class BracketCheck {
 public:
  void Open(char kind) { stack_.push_back(kind); }

  // The mismatch message chosen by the closing bracket, or empty when it
  // closes the bracket on top.
  std::string_view Close(char kind) {
    const char opening = kind == ')' ? '(' : kind == ']' ? '[' : '{';
    if (stack_.empty() || stack_.back() != opening) {
      return kind == ')'   ? msg::kRoundMismatch
             : kind == ']' ? msg::kSquareMismatch
                           : msg::kCurlyMismatch;
    }
    stack_.pop_back();
    return {};
  }

  // The first kind still open, in the order round, square, curly.
  std::string_view MissingClose() const {
    if (stack_.find('(') != std::string::npos) return msg::kMissingRound;
    if (stack_.find('[') != std::string::npos) return msg::kMissingSquare;
    if (stack_.find('{') != std::string::npos) return msg::kMissingCurly;
    return {};
  }

 private:
  std::string stack_;
};

bool EndsWithNumberOrClose(const ByteWriter& norm) {
  const char last = norm.Back();
  return IsDigit(last) || last == '.' || last == ')';
}

// What "," and ";" become under the thousands-separator options (0 = dropped).
char SeparatorByte(char c, const Options& options) {
  if (options.ignoreThousands) return 0;
  switch (options.thousandsSeparator) {
    case ThousandsSeparator::Semicolon:
      return c == ',' ? ',' : 0;
    case ThousandsSeparator::Comma:  // ";" separates arguments
      return c == ';' ? ',' : 0;
    case ThousandsSeparator::None:
      break;
  }
  return ',';
}

// Whether a two-byte character is kept (as itself or as what it stands for);
// every other one is dropped.
bool IsKeptDoubleByte(unsigned code) {
  return code == PairCode(kTimesSign) || code == PairCode(kDivisionSign) ||
         code == PairCode(kRootSign) || code == PairCode(kFractionBar) ||
         code == PairCode(kPerMille) || code == PairCode(kPi);
}

void AppendDoubleByte(ByteWriter& norm, unsigned code) {
  if (code == PairCode(kTimesSign)) {
    norm.Put('*');
  } else if (code == PairCode(kDivisionSign)) {
    norm.Put('@');
  } else if (code == PairCode(kRootSign)) {
    norm.Put('|');
  } else if (code == PairCode(kFractionBar)) {
    norm.Put('/');
  } else if (code == PairCode(kPerMille)) {
    norm.Put(kPerMille);
  } else if (code == PairCode(kPi)) {
    if (EndsWithNumberOrClose(norm)) norm.Put('*');
    norm.Put("pi");
  }
  // Any other two-byte character (Chinese comments, "°" and the like) is dropped.
}

// A letter, lower-case as typed or an upper-case one folded from its
// full-width form.
void AppendLetter(ByteWriter& norm, char c) {
  switch (c) {
    case 'b':
    case 'm':
    case 'd':
    case 's':
      break;
    default:
      // A number followed by a name or constant multiplies it: "2e", "5cos2".
      if (IsLetter(c) && (IsDigit(norm.Back()) || norm.Back() == '.')) norm.Put('*');
  }
  norm.Put(c);
}

// "/", "," or ";".
void AppendSeparatorOrBar(ByteWriter& norm, char c, const Options& options) {
  if (c == '/') {
    norm.Put('@');
  } else if (const char separator = SeparatorByte(c, options)) {
    norm.Put(separator);
  }
}

// How the normaliser takes a byte that is a character of its own, as typed.
enum class ByteClass : unsigned char {
  Number,  // digit or ".": passes unchanged
  Plain,   // passes unchanged and ends a number
  Space,   // deleted by preparation
  Lead,    // may begin a two-byte character
  Letter,  // "a" to "z", "A" to "Z"
  Open,    // "(", "[", "{"
  Close,   // ")", "]", "}"
  Other,   // "/", "," and ";"
};

constexpr auto kByteClasses = [] {
  std::array<ByteClass, 256> classes{};
  for (unsigned b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    ByteClass k = ByteClass::Plain;
    if (IsDigit(c) || c == '.') {
      k = ByteClass::Number;
    } else if (c == ' ') {
      k = ByteClass::Space;
    } else if (b >= 0x80) {  // text::IsLeadByte
      k = ByteClass::Lead;
    } else if (IsLetter(c) || (c >= 'A' && c <= 'Z')) {
      k = ByteClass::Letter;
    } else if (c == '(' || c == '[' || c == '{') {
      k = ByteClass::Open;
    } else if (c == ')' || c == ']' || c == '}') {
      k = ByteClass::Close;
    } else if (c == '/' || c == ',' || c == ';') {
      k = ByteClass::Other;
    }
    classes[b] = k;
  }
  return classes;
}();

ByteClass ClassOf(char c) {
  return kByteClasses[static_cast<unsigned char>(c)];
}

// The normalisation as a stream: preparation hands it one character at a
// time, so the two happen in a single pass without a text in between. Each
// call returns the message of the first fault, or empty.
class Normaliser {
 public:
  Normaliser(std::string& normText, std::size_t capacity, const Options& options)
      : norm_(normText, capacity), options_(options) {}

  std::string_view Number(char c) {
    if (labelAfterNumber_) return msg::kMissingOperator;
    norm_.Put(c);
    return {};
  }

  // Number or Plain, told apart only after a label, which is rare: the usual
  // byte is one store.
  std::string_view Kept(char c, bool number) {
    if (labelAfterNumber_) [[unlikely]]
      return number ? Number(c) : Plain(c);
    norm_.Put(c);
    return {};
  }

  std::string_view Plain(char c) {
    norm_.Put(c);
    labelAfterNumber_ = false;
    return {};
  }

  // A single-byte character of any class but Lead, as it is (no letter is
  // lowered); a space is kept.
  std::string_view Byte(char c) {
    switch (ClassOf(c)) {
      case ByteClass::Number:
        return Number(c);
      case ByteClass::Letter:
        return Letter(c);
      case ByteClass::Open:
        return Open(c);
      case ByteClass::Close:
        return Close(c);
      case ByteClass::Other:
        return Other(c);
      default:
        return Plain(c);
    }
  }

  std::string_view Letter(char c) {
    AppendLetter(norm_, c);
    labelAfterNumber_ = false;
    return {};
  }

  // Every kind of bracket becomes a round one; they are matched as typed.
  std::string_view Open(char c) {
    norm_.Put('(');
    brackets_.Open(c);
    labelAfterNumber_ = false;
    return {};
  }
  std::string_view Close(char c) {
    norm_.Put(')');
    if (const std::string_view mismatch = brackets_.Close(c); !mismatch.empty()) return mismatch;
    labelAfterNumber_ = false;
    return {};
  }

  // "/", "," or ";".
  std::string_view Other(char c) {
    const std::size_t written = norm_.Size();
    AppendSeparatorOrBar(norm_, c, options_);
    if (norm_.Size() != written) labelAfterNumber_ = false;
    return {};
  }

  // A two-byte character that preparation keeps as it is.
  std::string_view Pair(char lead, char trail) {
    const std::size_t written = norm_.Size();
    const unsigned code = PairCode(lead, trail);
    if (labelAfterNumber_ && code == PairCode(kFractionBar)) return msg::kMissingOperator;
    AppendDoubleByte(norm_, code);
    if (norm_.Size() != written) {
      labelAfterNumber_ = false;
    } else if (IsNumberChar(norm_.Back())) {
      labelAfterNumber_ = true;
    }
    return {};
  }

  // A byte of no character is dropped as label text is.
  void DropByte() {
    if (IsNumberChar(norm_.Back())) labelAfterNumber_ = true;
  }

  // After the last character: the first kind of bracket left open, if any.
  std::string_view Finish() {
    norm_.Finish();
    return brackets_.MissingClose();
  }

 private:
  ByteWriter norm_;
  const Options& options_;
  BracketCheck brackets_;
  // Set while the text dropped since a number character (digit, ".", fraction
  // bar) holds a two-byte character, as in "1笔1.5": a number character next
  // would join two numbers across a label, so the line is refused instead.
  bool labelAfterNumber_ = false;
};

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool IsLabelCharacter(char lead, char trail) {
  const unsigned code = PairCode(lead, trail);
  return code != PairCode(text::kIdeographicSpace) && FoldedByte(lead, trail) == 0 &&
         !IsKeptDoubleByte(code);
}

// Preparation's steps, as PrepareExpression takes them, feed the normaliser
// character by character.
StepResult<bool> Normalise(std::string_view exprText, const Options& options,
                           std::string& normText) {
  // At most double: a letter after a number grows 1 -> 2, "π" 2 -> 3.
  Normaliser norm(normText, (exprText.size() + kEndMarker.size()) * 2, options);
  bool anything = false;
  for (std::size_t p = 0; p < exprText.size();) {
    const char c = exprText[p];
    const ByteClass byteClass = ClassOf(c);
    std::string_view fault;
    switch (byteClass) {
      case ByteClass::Number:
      case ByteClass::Plain:
        fault = norm.Kept(c, byteClass == ByteClass::Number);
        ++p;
        break;
      case ByteClass::Letter:
        fault = norm.Letter(LowerAscii(c));
        ++p;
        break;
      case ByteClass::Open:
        fault = norm.Open(c);
        ++p;
        break;
      case ByteClass::Close:
        fault = norm.Close(c);
        ++p;
        break;
      case ByteClass::Other:
        fault = norm.Other(c);
        ++p;
        break;
      case ByteClass::Space:
        ++p;
        continue;
      case ByteClass::Lead:
        // An incomplete character is dropped, so that it cannot pair with the
        // end marker or swallow what follows; like any label it keeps the
        // numbers on its two sides apart ("1€2" is no 12).
        if (text::CharLength(exprText, p) == 1) {
          norm.DropByte();
          ++p;
          continue;
        }
        const char trail = exprText[p + 1];
        p += 2;
        if (PairCode(c, trail) == PairCode(text::kIdeographicSpace)) continue;
        const char folded = FoldedByte(c, trail);
        fault = folded ? norm.Byte(folded) : norm.Pair(c, trail);
        break;
    }
    if (!fault.empty()) return Diagnostic{std::string(fault)};
    anything = true;
  }
  if (!anything) return false;
  for (const char c : kEndMarker) norm.Byte(c);
  if (const std::string_view missing = norm.Finish(); !missing.empty()) {
    return Diagnostic{std::string(missing)};
  }
  return true;
}

}  // namespace tl::engine
