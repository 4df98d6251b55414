#include "engine/tokenise.h"

#include <algorithm>
#include <array>
#include <optional>

#include "engine/alphabet.h"
#include "engine/function_table.h"
#include "engine/messages.h"
#include "engine/token_class.h"
#include "engine/token_kinds.h"
#include "engine/token_writer.h"
#include "text/number_text_buffer.h"

namespace tl::engine {

namespace {

constexpr std::string_view kImplicitTimes = "*";
constexpr const Function* kSquareRoot = FunctionNamed("sqr");
constexpr const Function* kPerMilleSign = FunctionNamed(kPerMille);

// The constants, tried at a letter after the function names.
struct Constant {
  std::string_view name;
  std::string_view text;
};
constexpr Constant kConstants[] = {{"pi", "3.1415926535897932384"}, {"e", "2.718281828459045"}};

// The named entries of the function table, tried in this order at a letter:
// the longest names first, so "sinh" is one name and not "sin" followed by
// "h", and names of one length in the table's order. A function name never
// begins with a constant's name but "exp" with "e", which is why the
// constants come after.
constexpr std::size_t kLongestName = std::max_element(kFunctions.begin(), kFunctions.end(),
                                                      [](const Function& a, const Function& b) {
                                                        return a.name.size() < b.name.size();
                                                      })
                                         ->name.size();
constexpr std::size_t kNamedCount = std::count_if(
    kFunctions.begin(), kFunctions.end(), [](const Function& f) { return IsLetter(f.name[0]); });
constexpr auto kNamesLongestFirst = [] {
  std::array<const Function*, kNamedCount> named{};
  std::size_t count = 0;
  for (std::size_t length = kLongestName; length > 0; --length) {
    for (const Function& function : kFunctions) {
      if (IsLetter(function.name[0]) && function.name.size() == length) named[count++] = &function;
    }
  }
  return named;
}();

// What a byte of normalised text begins. Other: a name, "‰" or an
// unrecognised character.
enum class Start : unsigned char { Other, Number, Operator, Skipped, Open, Close, Root };

constexpr std::array<Start, 256> kStarts = [] {
  std::array<Start, 256> starts{};
  auto mark = [&starts](std::string_view bytes, Start start) {
    for (const char c : bytes) starts[static_cast<unsigned char>(c)] = start;
  };
  mark("0123456789./", Start::Number);
  mark("+-*@^!\\%,", Start::Operator);
  mark(" =;", Start::Skipped);
  mark("(", Start::Open);
  mark(")", Start::Close);
  mark("|", Start::Root);
  return starts;
}();

// kStarts' entry: a number's bytes are exactly IsNumberChar's.
Start StartOf(char c) {
  return kStarts[static_cast<unsigned char>(c)];
}

// The one-byte postfix operators of the function table ("!", "%"), by byte.
constexpr std::array<const Function*, 256> kSymbols = [] {
  std::array<const Function*, 256> symbols{};
  for (const Function& function : kFunctions) {
    if (function.kind == FunctionKind::Postfix && function.name.size() == 1)
      symbols[static_cast<unsigned char>(function.name[0])] = &function;
  }
  return symbols;
}();

// Reads the tokens of one normalised text. Each step reads one token (or
// skips a byte) and returns the message of a syntax fault, else empty.
class Reader {
 public:
  // Most lines hold a token for every two bytes or fewer (numbers have
  // several digits), and the end marker; the writer grows the list for the
  // others. Each slot foreseen is a token built before it is written, so the
  // list is not sized for the most a line could hold. The list is the
  // caller's: after a fault it keeps its storage there.
  Reader(std::string_view text, Tokens& reuse)
      : text_(text), tokens_(reuse), writer_(tokens_, text.size() / 2 + 2) {}

  StepResult<Tokens> Read() {
    while (p_ < text_.size()) {
      if (const std::string_view fault = Step(); !fault.empty())
        return Diagnostic{std::string(fault), fault == msg::kUnrecognised};
    }
    writer_.Put(kEndToken);
    writer_.Finish();
    return std::move(tokens_);
  }

 private:
  std::string_view Step() {
    const char c = text_[p_];
    switch (StartOf(c)) {
      case Start::Number:
        return Number();
      case Start::Operator:
        TakeByte(kSymbols[static_cast<unsigned char>(c)]);
        return {};
      case Start::Skipped:
        ++p_;
        return {};
      case Start::Open:
        // Implicit multiplication: "5(3+6)", "(15+5)(2+3)", "pi(2)".
        if (FollowsDigit() || Follows(')') || Follows('e') || Follows("pi"))
          writer_.Put(kByteTokens.Of(kImplicitTimes, nullptr));
        TakeByte();
        return {};
      case Start::Close:
        return CloseBracket();
      case Start::Root:
        Root();
        return {};
      case Start::Other:
        break;
    }
    return Name();
  }

  // A number may not follow a closed operand: ")", a constant, "%", "!" or "‰".
  std::string_view Number() {
    if (Follows(')') || Follows('e') || Follows('%') || Follows('!') || Follows("pi") ||
        Follows(kPerMille))
      return msg::kMissingOperator;
    std::size_t end = p_;
    int points = 0;
    bool bar = false;
    text::PlainDigits digits;
    for (; end < text_.size() && StartOf(text_[end]) == Start::Number; ++end) {
      const char c = text_[end];
      if (IsDigit(c)) {
        digits.Add(static_cast<unsigned>(c - '0'), points > 0);
      } else if (c == '.') {
        ++points;
      } else {
        bar = true;
      }
    }
    if (points > 1) return msg::kTooManyPoints;
    // What Classified finds for a text that begins with a digit, "." or "/".
    const std::string_view number = text_.substr(p_, end - p_);
    const bool operand = number[0] != '/';
    const std::optional<double> value = bar ? std::nullopt : digits.Value();
    writer_.Put({.text = number,
                 .role = operand ? Role::Number : Role::Ignored,
                 .startsOperand = IsDigit(number[0]),
                 .point = operand && points > 0,
                 .bar = operand && bar,
                 .valued = value.has_value(),
                 .value = value.value_or(0)});
    p_ = end;
    return {};
  }

  std::string_view CloseBracket() {
    const char next = p_ + 1 < text_.size() ? text_[p_ + 1] : ' ';
    if (IsLetter(next) || IsDigit(next) || next == '.') return msg::kMissingOperatorAfterBracket;
    TakeByte();
    return {};
  }

  // After an operand the root takes its degree from the left ("4|27");
  // otherwise it is the square root of what follows ("4+|27").
  void Root() {
    if (FollowsDigit() || Follows(')')) {
      TakeByte();
    } else {
      Put(kSquareRoot->name, kSquareRoot);
      ++p_;
    }
  }

  // "‰", a function name or a constant.
  std::string_view Name() {
    const std::string_view rest = text_.substr(p_);
    if (rest.starts_with(kPerMille)) return Named(*kPerMilleSign);
    if (!IsLetter(rest[0])) return msg::kUnrecognised;
    for (const Function* function : kNamesLongestFirst) {
      if (function->name[0] == rest[0] && rest.starts_with(function->name)) return Named(*function);
    }
    for (const Constant& constant : kConstants) {
      if (!rest.starts_with(constant.name)) continue;
      p_ += constant.name.size();
      if (p_ < text_.size() && IsLetter(text_[p_])) return msg::kMissingOperator;
      Put(constant.text);
      return {};
    }
    return msg::kUnrecognised;
  }

  std::string_view Named(const Function& function) {
    Put(function.name, &function);
    p_ += function.name.size();
    return {};
  }

  // The next byte as a token.
  void TakeByte(const Function* function = nullptr) {
    writer_.Put(kByteTokens.Of(text_.substr(p_, 1), function));
    ++p_;
  }

  // Whether the text before the current byte ends with `c`, or with the two
  // bytes `pair`.
  bool Follows(char c) const { return p_ >= 1 && text_[p_ - 1] == c; }
  bool Follows(std::string_view pair) const { return p_ >= 2 && text_.substr(p_ - 2, 2) == pair; }
  bool FollowsDigit() const { return p_ >= 1 && IsDigit(text_[p_ - 1]); }

  void Put(std::string_view text, const Function* function = nullptr) {
    writer_.Put(Classified(text, function));
  }

  std::string_view text_;
  std::size_t p_ = 0;
  Tokens& tokens_;
  TokenWriter writer_;
};

}  // namespace

StepResult<Tokens> ReadTokens(std::string_view normText, Tokens&& reuse) {
  return Reader(normText, reuse).Read();
}

}  // namespace tl::engine
