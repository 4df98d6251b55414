#include "engine/normalise.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/front_test_helpers.h"
#include "engine/messages.h"

namespace tl::engine {
namespace {

struct NormaliseCase {
  std::string prepared;  // as preparation leaves it, which preparing again keeps
  std::string expected;  // NormText, or the message
};

// The normalised text ("" when nothing is left to evaluate), or the message.
std::string NormaliseOrMessage(const std::string& exprText, const Options& options = {}) {
  std::string normText = "left over from a longer line before";
  const auto result = Normalise(exprText, options, normText);
  if (std::holds_alternative<Diagnostic>(result)) return MessageOf(result);
  return std::get<bool>(result) ? normText : std::string();
}

TEST(Normalise, MapsToTheInternalAlphabet) {
  const NormaliseCase cases[] = {
      {"5×(2+3) ", "5*(2+3) "},
      {"6÷3-6/3 ", "6@3-6@3 "},
      {"√9+3√8 ", "|9+3|8 "},
      {"1∟2+3∟1∟5 ", "1/2+3/1/5 "},
      {"500‰ ", "500‰ "},
      {"{[(1+2)*3]+4} ", "(((1+2)*3)+4) "},
      {"单价3×数量4 ", "3*4 "},  // Chinese comments are dropped
      // but never join two numbers
      {"第1笔1.5×2+1 ", std::string(msg::kMissingOperator)},
      {"1\x80"
       "2+1 ",
       std::string(msg::kMissingOperator)},  // "€", one byte, is a label too
      {"2\x80×3 ", "2*3 "},                  // and never takes the byte after it
      {"30°+1′ ", "30+1 "},
      {"7\\2^2!%=; ", "7\\2^2!%=, "},
  };
  for (const auto& c : cases) EXPECT_EQ(NormaliseOrMessage(c.prepared), c.expected) << c.prepared;
}

TEST(Normalise, InsertsMultiplicationBeforeNamesAndPi) {
  const NormaliseCase cases[] = {
      {"2π ", "2*pi "},
      {"(1+1)π ", "(1+1)*pi "},
      {"1.π ", "1.*pi "},
      {"π+π ", "pi+pi "},
      {"5!π ", "5!pi "},
      {"2pi ", "2*pi "},
      {"2e ", "2*e "},
      {".5e ", ".5*e "},
      {"5cos2 ", "5*cos2 "},
      {"2x ", "2*x "},
      {"(2)x ", "(2)x "},
      {"x2y ", "x2*y "},
      {"5sin2 ", "5sin2 "},
      {"2b ", "2b "},
      {"2m ", "2m "},
      {"2d ", "2d "},
      {"2∟e ", "2/e "},
      {"2Ａ ", "2A "},  // a full-width capital stays one
      // A second byte that is a letter is never seen as one: no "*".
      {"2\x81\x61 ", "2 "},
      {"2\x81\x61"
       "b ",
       "2b "},
  };
  for (const auto& c : cases) EXPECT_EQ(NormaliseOrMessage(c.prepared), c.expected) << c.prepared;
}

TEST(Normalise, AppliesTheThousandsSeparatorOptions) {
  struct SeparatorCase {
    bool ignore;
    ThousandsSeparator separator;
    std::string expected;
  };
  const SeparatorCase cases[] = {
      {false, ThousandsSeparator::None, "1,000+1,2 "},      // both become argument separators
      {false, ThousandsSeparator::Semicolon, "1,000+12 "},  // ";" groups thousands
      {false, ThousandsSeparator::Comma, "1000+1,2 "},      // "," groups thousands, ";" separates
      {true, ThousandsSeparator::None, "1000+12 "},
      {true, ThousandsSeparator::Comma, "1000+12 "},
  };
  for (const auto& c : cases) {
    Options options;
    options.ignoreThousands = c.ignore;
    options.thousandsSeparator = c.separator;
    EXPECT_EQ(NormaliseOrMessage("1,000+1;2 ", options), c.expected)
        << c.ignore << " " << static_cast<int>(c.separator);
  }
}

TEST(Normalise, ChecksBrackets) {
  const NormaliseCase cases[] = {
      {"(1+2 ", std::string(msg::kMissingRound)},
      {"[1+2 ", std::string(msg::kMissingSquare)},
      {"{1+2 ", std::string(msg::kMissingCurly)},
      {"({1+2 ", std::string(msg::kMissingRound)},  // round is reported first
      {"{[1 ", std::string(msg::kMissingSquare)},
      {"1+2) ", std::string(msg::kRoundMismatch)},  // empty stack
      {"1] ", std::string(msg::kSquareMismatch)},
      {"} ", std::string(msg::kCurlyMismatch)},
      // The closing bracket chooses the message, not the one on the stack.
      {"[1+2) ", std::string(msg::kRoundMismatch)},
      {"(1+2] ", std::string(msg::kSquareMismatch)},
      {"(1+2} ", std::string(msg::kCurlyMismatch)},
      // A mismatch wins over brackets left open, and the first one counts.
      {"((1] ", std::string(msg::kSquareMismatch)},
      {"(]) ", std::string(msg::kSquareMismatch)},
      // Matched on the kinds as typed, although all become "(" and ")".
      {"([1]) ", "((1)) "},
      // A bracket is never a second byte: a first byte before it is a
      // character of its own, dropped, and the bracket stays a bracket.
      {"\x81)1 ", std::string(msg::kRoundMismatch)},
  };
  for (const auto& c : cases) EXPECT_EQ(NormaliseOrMessage(c.prepared), c.expected) << c.prepared;
}

TEST(Normalise, HandlesDeepNestingAndRaggedInput) {
  constexpr std::size_t kDepth = 100000;
  const std::string deep = std::string(kDepth, '[') + "1" + std::string(kDepth, ']') + " ";
  EXPECT_EQ(NormaliseOrMessage(deep),
            std::string(kDepth, '(') + "1" + std::string(kDepth, ')') + " ");
  EXPECT_EQ(NormaliseOrMessage(std::string(kDepth, '{') + "(1) "), msg::kMissingCurly);
  EXPECT_EQ(NormaliseOrMessage(std::string(kDepth, '(') + "}"), msg::kCurlyMismatch);
  EXPECT_EQ(NormaliseOrMessage("1\xD6"), "1 ");  // a lone lead byte is dropped
  EXPECT_EQ(NormaliseOrMessage(" \xA1\xA1\xD6"), "");
  EXPECT_EQ(NormaliseOrMessage("单价 "), " ");  // a label alone is something to evaluate
}

}  // namespace
}  // namespace tl::engine
