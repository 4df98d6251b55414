#include "engine/normalise.h"

#include "engine/alphabet.h"
#include "engine/byte_writer.h"
#include "engine/messages.h"
#include "engine/prepare.h"
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

}  // namespace

bool IsLabelCharacter(char lead, char trail) {
  const unsigned code = PairCode(lead, trail);
  return code != PairCode(text::kIdeographicSpace) && FoldedByte(lead, trail) == 0 &&
         !IsKeptDoubleByte(code);
}

StepResult<std::string> Normalise(std::string_view prepared, const Options& options) {
  std::string normText;
  // At most double: a letter after a number grows 1 -> 2, "π" 2 -> 3.
  ByteWriter norm(normText, prepared.size() * 2);
  BracketCheck brackets;
  // Set while the text dropped since a number character (digit, ".", fraction
  // bar) holds a two-byte character, as in "1笔1.5": a number character next
  // would join two numbers across a label, so the line is refused instead.
  bool labelAfterNumber = false;
  for (std::size_t p = 0; p < prepared.size();) {
    const char c = prepared[p];
    if (IsDigit(c) || c == '.') {  // most bytes: numbers pass unchanged
      if (labelAfterNumber) return Diagnostic{std::string(msg::kMissingOperator)};
      norm.Put(c);
      ++p;
      continue;
    }
    const std::size_t written = norm.Size();
    const std::size_t length = text::CharLength(prepared, p);
    if (length == 2) {
      const unsigned code = PairCode(c, prepared[p + 1]);
      if (labelAfterNumber && code == PairCode(kFractionBar))
        return Diagnostic{std::string(msg::kMissingOperator)};
      AppendDoubleByte(norm, code);
    } else if (!text::IsLeadByte(c)) {
      AppendSingleByte(norm, c, options);
      if (c == '(' || c == '[' || c == '{') {
        brackets.Open(c);
      } else if (c == ')' || c == ']' || c == '}') {
        if (const std::string_view mismatch = brackets.Close(c); !mismatch.empty()) {
          return Diagnostic{std::string(mismatch)};
        }
      }
    }
    if (norm.Size() != written) {
      labelAfterNumber = false;
    } else if (length == 2 && IsNumberChar(norm.Back())) {
      labelAfterNumber = true;
    }
    // A lead byte at the very end is an incomplete character and is dropped.
    p += length;
  }
  if (const std::string_view missing = brackets.MissingClose(); !missing.empty()) {
    return Diagnostic{std::string(missing)};
  }
  norm.Finish();
  return normText;
}

}  // namespace tl::engine
