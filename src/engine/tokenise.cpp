#include "engine/tokenise.h"

#include <array>

#include "engine/alphabet.h"
#include "engine/messages.h"
#include "engine/token_kinds.h"

namespace tl::engine {

namespace {

constexpr std::string_view kPiText = "3.1415926535897932384";
constexpr std::string_view kImplicitTimes = "*";
constexpr std::string_view kSquareRoot = "sqr";
constexpr std::string_view kEText = "2.718281828459045";

// Function names and constants, tried in this order at a letter: the longest
// names first, so "sinh" is one name and not "sin" followed by "h".
constexpr std::array<std::string_view, 23> kNames = {
    "asin", "sinh", "acos", "cosh", "atan", "tanh", "tjfx", "sin", "cos", "sum", "tan", "sqr",
    "log",  "exp",  "abs",  "int",  "max",  "min",  "pi",   "e",   "lg",  "ln",  "if"};

Diagnostic Fail(std::string_view message) {
  return Diagnostic{std::string(message)};
}

// Reads the text before position p.
class Behind {
 public:
  Behind(std::string_view text, std::size_t p) : text_(text), p_(p) {}
  bool Is(char c) const { return p_ >= 1 && text_[p_ - 1] == c; }
  bool Are(std::string_view two) const { return p_ >= 2 && text_.substr(p_ - 2, 2) == two; }
  bool IsDigit() const { return p_ >= 1 && engine::IsDigit(text_[p_ - 1]); }

 private:
  std::string_view text_;
  std::size_t p_;
};

// A number may not follow a closed operand: ")", a constant, "%", "!" or "‰".
bool FollowsClosedOperand(const Behind& behind) {
  return behind.Is(')') || behind.Is('e') || behind.Is('%') || behind.Is('!') || behind.Are("pi") ||
         behind.Are(kPerMille);
}

// The name that starts at p, or empty.
std::string_view NameAt(std::string_view text, std::size_t p) {
  for (const std::string_view name : kNames) {
    if (text.substr(p, name.size()) == name) return name;
  }
  return {};
}

bool IsLetterAt(std::string_view text, std::size_t p) {
  return p < text.size() && IsLetter(text[p]);
}

}  // namespace

StepResult<TokenViews> ReadTokens(std::string_view normText) {
  TokenViews tokens;
  tokens.reserve(normText.size() + 2);  // rarely more than a token per byte
  std::size_t p = 0;
  while (p < normText.size()) {
    const char c = normText[p];
    const Behind behind(normText, p);
    if (IsNumberChar(c)) {
      if (FollowsClosedOperand(behind)) return Fail(msg::kMissingOperator);
      std::size_t end = p;
      int points = 0;
      for (; end < normText.size() && IsNumberChar(normText[end]); ++end) {
        if (normText[end] == '.') ++points;
      }
      if (points > 1) return Fail(msg::kTooManyPoints);
      tokens.push_back(normText.substr(p, end - p));
      p = end;
      continue;
    }
    switch (c) {
      case ')': {
        const char next = p + 1 < normText.size() ? normText[p + 1] : ' ';
        if (IsLetter(next) || IsDigit(next) || next == '.') {
          return Fail(msg::kMissingOperatorAfterBracket);
        }
        tokens.push_back(normText.substr(p, 1));
        ++p;
        continue;
      }
      case '(':
        // Implicit multiplication: "5(3+6)", "(15+5)(2+3)", "pi(2)".
        if (behind.IsDigit() || behind.Is(')') || behind.Is('e') || behind.Are("pi")) {
          tokens.push_back(kImplicitTimes);
        }
        [[fallthrough]];
      case '+':
      case '-':
      case '*':
      case '@':
      case '^':
      case '!':
      case '\\':
      case '%':
      case ',':
        tokens.push_back(normText.substr(p, 1));
        ++p;
        continue;
      case '|':
        // After an operand the root takes its degree from the left ("4|27");
        // otherwise it is the square root of what follows ("4+|27").
        tokens.push_back(behind.IsDigit() || behind.Is(')') ? normText.substr(p, 1) : kSquareRoot);
        ++p;
        continue;
      case ' ':
      case '=':
      case ';':
        ++p;
        continue;
      default:
        break;
    }
    if (normText.substr(p, kPerMille.size()) == kPerMille) {
      tokens.push_back(kPerMille);
      p += kPerMille.size();
      continue;
    }
    const std::string_view name = IsLetter(c) ? NameAt(normText, p) : std::string_view();
    if (name.empty()) return Diagnostic{std::string(msg::kUnrecognised), /*unrecognised=*/true};
    p += name.size();
    if (name == "pi" || name == "e") {
      if (IsLetterAt(normText, p)) return Fail(msg::kMissingOperator);
      tokens.push_back(name == "pi" ? kPiText : kEText);
    } else {
      tokens.push_back(name);
    }
  }
  tokens.push_back(kEndMarker);
  return tokens;
}

StepResult<TokenList> Tokenise(std::string_view normText) {
  StepResult<TokenViews> views = ReadTokens(normText);
  if (auto* failure = std::get_if<Diagnostic>(&views)) return std::move(*failure);
  const TokenViews& tokens = std::get<TokenViews>(views);
  return TokenList(tokens.begin(), tokens.end());
}

}  // namespace tl::engine
