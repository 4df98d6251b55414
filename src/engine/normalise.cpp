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

void AppendSingleByte(ByteWriter& norm, char c, const Options& options) {
  switch (c) {
    case '[':
    case '{':
      norm.Put('(');
      return;
    case ']':
    case '}':
      norm.Put(')');
      return;
    case '/':
      norm.Put('@');
      return;
    case ',':
    case ';':
      if (const char separator = SeparatorByte(c, options)) norm.Put(separator);
      return;
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

// How the normaliser takes a byte that is a character of its own, as typed.
enum class ByteClass : unsigned char {
  Number,  // digit or ".": passes unchanged
  Plain,   // passes unchanged and ends a number
  Space,   // deleted by preparation
  Lead,    // may begin a two-byte character
  Other,   // letters, brackets, "/", "," and ";"
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
    } else if (IsLetter(c) || (c >= 'A' && c <= 'Z') ||
               std::string_view("()[]{}/,;").find(c) != std::string_view::npos) {
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

  std::string_view Plain(char c) {
    norm_.Put(c);
    labelAfterNumber_ = false;
    return {};
  }

  // A single-byte character of any class but Lead; a space is kept.
  std::string_view Byte(char c) {
    switch (ClassOf(c)) {
      case ByteClass::Number:
        return Number(c);
      case ByteClass::Other:
        return Other(c);
      default:
        return Plain(c);
    }
  }

  // A letter, a bracket, "/", "," or ";".
  std::string_view Other(char c) {
    const std::size_t written = norm_.Size();
    AppendSingleByte(norm_, c, options_);
    if (c == '(' || c == '[' || c == '{') {
      brackets_.Open(c);
    } else if (c == ')' || c == ']' || c == '}') {
      if (const std::string_view mismatch = brackets_.Close(c); !mismatch.empty()) return mismatch;
    }
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
    std::string_view fault;
    switch (ClassOf(c)) {
      case ByteClass::Number:
        fault = norm.Number(c);
        ++p;
        break;
      case ByteClass::Plain:
        fault = norm.Plain(c);
        ++p;
        break;
      case ByteClass::Other:
        fault = norm.Other(LowerAscii(c));
        ++p;
        break;
      case ByteClass::Space:
        ++p;
        continue;
      case ByteClass::Lead:
        // An incomplete character is dropped, so that it cannot pair with the
        // end marker or swallow what follows.
        if (text::CharLength(exprText, p) == 1) {
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
