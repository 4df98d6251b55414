#include "engine/tokenise.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/front_test_helpers.h"
#include "engine/messages.h"
#include "engine/normalise.h"
#include "engine/postfix.h"
#include "text/number_text_buffer.h"

namespace tl::engine {
namespace {

const std::string kPiText = "3.1415926535897932384";
const std::string kEText = "2.718281828459045";

struct TokenCase {
  std::string normText;
  TokenList tokens;  // the final " " included
};

TEST(Tokenise, SplitsIntoTokens) {
  const TokenCase cases[] = {
      {"5*cos2 ", {"5", "*", "cos", "2", " "}},
      {"5sin2 ", {"5", "sin", "2", " "}},  // no "*" before "s": evaluation reports it
      {"2*e ", {"2", "*", kEText, " "}},
      {"2sinh(1) ", {"2", "sinh", "(", "1", ")", " "}},
      {"1/2+3/1/5 ", {"1/2", "+", "3/1/5", " "}},
      {"1.5/2-.5 ", {"1.5/2", "-", ".5", " "}},
      {"|9 ", {"sqr", "9", " "}},
      {"3|8 ", {"3", "|", "8", " "}},
      {"(1+7)|8 ", {"(", "1", "+", "7", ")", "|", "8", " "}},
      {"4+|27 ", {"4", "+", "sqr", "27", " "}},
      {"5%+500‰ ", {"5", "%", "+", "500", "‰", " "}},
      {"max(1,2) ", {"max", "(", "1", ",", "2", ")", " "}},
      {"1= ", {"1", " "}},
      {"7\\2@3^2! ", {"7", "\\", "2", "@", "3", "^", "2", "!", " "}},
      {"asinacosatantanhcoshtjfx ", {"asin", "acos", "atan", "tanh", "cosh", "tjfx", " "}},
      {"sumsqrlogexpabsintmintan ", {"sum", "sqr", "log", "exp", "abs", "int", "min", "tan", " "}},
      {"lglnif ", {"lg", "ln", "if", " "}},
      {"pi*e ", {kPiText, "*", kEText, " "}},
      {"", {" "}},
      {"1+2", {"1", "+", "2", " "}},  // no end marker given: the scan still ends
  };
  for (const auto& c : cases) {
    const auto result = Tokenise(c.normText);
    ASSERT_TRUE(std::holds_alternative<TokenList>(result)) << c.normText << MessageOf(result);
    EXPECT_EQ(std::get<TokenList>(result), c.tokens) << c.normText;
  }
}

TEST(Tokenise, InsertsMultiplicationBeforeOpeningBracket) {
  const TokenCase cases[] = {
      {"5(3+6) ", {"5", "*", "(", "3", "+", "6", ")", " "}},
      {"(1)(2) ", {"(", "1", ")", "*", "(", "2", ")", " "}},
      {"pi(2) ", {kPiText, "*", "(", "2", ")", " "}},
      {"e(2) ", {kEText, "*", "(", "2", ")", " "}},
      {"sin(2) ", {"sin", "(", "2", ")", " "}},
      {"5!(2) ", {"5", "!", "(", "2", ")", " "}},
      {"(1)(2)(3)(4)",
       {"(", "1", ")", "*", "(", "2", ")", "*", "(", "3", ")", "*", "(", "4", ")", " "}},
  };
  for (const auto& c : cases) {
    const auto result = Tokenise(c.normText);
    ASSERT_TRUE(std::holds_alternative<TokenList>(result)) << c.normText << MessageOf(result);
    EXPECT_EQ(std::get<TokenList>(result), c.tokens) << c.normText;
  }
}

TEST(Tokenise, ReportsTheFirstSyntaxFaultInTextOrder) {
  struct FaultCase {
    std::string normText;
    std::string_view message;
  };
  const FaultCase cases[] = {
      {"(1+2)3 ", msg::kMissingOperatorAfterBracket},
      {"(1+2)x ", msg::kMissingOperatorAfterBracket},
      {"(1). ", msg::kMissingOperatorAfterBracket},
      {"(1)/2 ", msg::kMissingOperator},  // "/" is a number character, not an operand
      {"5!3 ", msg::kMissingOperator},
      {"50%2 ", msg::kMissingOperator},
      {"pi2 ", msg::kMissingOperator},
      {"500‰2 ", msg::kMissingOperator},
      {"2*e2 ", msg::kMissingOperator},
      {"e.5 ", msg::kMissingOperator},
      {"pix ", msg::kMissingOperator},
      {"ex ", msg::kMissingOperator},
      {"1.2.3 ", msg::kTooManyPoints},
      {"1.5/2.5 ", msg::kTooManyPoints},
      {"1#2 ", msg::kUnrecognised},
      {"2*x ", msg::kUnrecognised},
      {"si(1) ", msg::kUnrecognised},  // a name must match whole
      {"SIN30 ", msg::kUnrecognised},
      {"1~2 ", msg::kUnrecognised},
      {"1\x81\x61 ", msg::kUnrecognised},  // a two-byte character other than "‰"
      {"1\xA1", msg::kUnrecognised},       // a lone lead byte at the very end
      {"1.2.3+(1)2 ", msg::kTooManyPoints},
      {"(1)2+1.2.3 ", msg::kMissingOperatorAfterBracket},
      {"#1.2.3 ", msg::kUnrecognised},
      {"1.2.3# ", msg::kTooManyPoints},
  };
  for (const auto& c : cases) {
    const auto result = Tokenise(c.normText);
    ASSERT_TRUE(std::holds_alternative<Diagnostic>(result)) << c.normText;
    const auto& diagnostic = std::get<Diagnostic>(result);
    EXPECT_EQ(diagnostic.message, c.message) << c.normText;
    EXPECT_EQ(diagnostic.unrecognised, c.message == msg::kUnrecognised) << c.normText;
  }
}

struct SignCase {
  TokenList tokens;
  TokenList marked;
};

TEST(MarkSigns, MakesUnaryMinusAndDropsUnaryPlus) {
  const SignCase cases[] = {
      {{"3", "*", "-", "8", " "}, {"3", "*", "~", "8", " "}},
      {{"-", "(", "2", ")", " "}, {"~", "(", "2", ")", " "}},
      {{"2", "-", "3", " "}, {"2", "-", "3", " "}},
      {{"-", "sin", "(", "30", ")", " "}, {"-", "sin", "(", "30", ")", " "}},
      {{"-", ".5", " "}, {"-", ".5", " "}},
      {{"-", "5", "+", "-", "3", " "}, {"~", "5", "+", "~", "3", " "}},
      {{"+", "5", "*", "+", "(", "3", ")", " "}, {"5", "*", "(", "3", ")", " "}},
      {{"sin", "-", "30", " "}, {"sin", "~", "30", " "}},
      {{"max", "(", "1", ",", "-", "2", ")", " "}, {"max", "(", "1", ",", "~", "2", ")", " "}},
      {{"2", "^", "-", kPiText, " "}, {"2", "^", "~", kPiText, " "}},
      {{"4", "|", "-", "8", "@", "-", "2", "\\", "-", "1", " "},
       {"4", "|", "~", "8", "@", "~", "2", "\\", "~", "1", " "}},
      {{"-", "-", "5", " "}, {"-", "~", "5", " "}},
      {{"5", "!", "-", "3", ")", "-", "3", "%", "-", "1", " "},
       {"5", "!", "-", "3", ")", "-", "3", "%", "-", "1", " "}},
      {{"5", "-", " "}, {"5", "-", " "}},
      {{"-"}, {"-"}},
      {{}, {}},
      {{"", "-", "", "-", "1"}, {"", "-", "", "-", "1"}},  // empty texts are no names
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MarkSigns(c.tokens), c.marked);
    // Marked while converted, in one pass: the order of marking first.
    Tokens stack;
    const auto together = SignedPostfix(TokensOf(c.tokens), stack);
    const auto apart = ToPostfix(c.marked);
    ASSERT_TRUE(std::holds_alternative<PostfixList>(together) &&
                std::holds_alternative<PostfixList>(apart));
    EXPECT_EQ(TextsOf(std::get<PostfixList>(together)), TextsOf(std::get<PostfixList>(apart)))
        << ::testing::PrintToString(c.tokens);
  }
}

// A typed number carries the value evaluation would read from its text; the
// ones it cannot read exactly in passing carry none.
TEST(Tokenise, TypedNumbersCarryTheValueTheirTextReadsAs) {
  const struct {
    std::string text;
    bool valued;
  } cases[] = {
      {"12.5", true},
      {".5", true},
      {"5.", true},
      {"0.1", true},
      {"007", true},
      {"123456789012345", true},  // 15 digits, exact in a double
      {"1234567890123456", false},
      {"3/4", false},
  };
  for (const auto& c : cases) {
    const std::string normText = c.text + " ";
    const auto tokens = ReadTokens(normText);
    ASSERT_TRUE(std::holds_alternative<Tokens>(tokens)) << c.text;
    const Token& number = std::get<Tokens>(tokens).front();
    EXPECT_EQ(number.valued, c.valued) << c.text;
    if (number.valued) {
      EXPECT_EQ(number.value, text::ReadNumberText(c.text)) << c.text;
    }
  }
}

// The whole front half, from the typed expression to the signed tokens.
TEST(FrontHalf, TypedExpressionsBecomeSignedTokens) {
  const TokenCase cases[] = {
      {"５×（２＋３）", {"5", "*", "(", "2", "+", "3", ")", " "}},
      {"SIN(30)", {"sin", "(", "30", ")", " "}},
      {"ｓｉｎ30", {"sin", "30", " "}},
      {"2π", {"2", "*", kPiText, " "}},
      {"2e", {"2", "*", kEText, " "}},
      {"√9+3√8", {"sqr", "9", "+", "3", "|", "8", " "}},
      {"1∟2+3∟1∟5", {"1/2", "+", "3/1/5", " "}},
      {"单价3×数量4", {"3", "*", "4", " "}},
      {"-5+-3", {"~", "5", "+", "~", "3", " "}},
      {"{[(1+2)*3]+4}", {"(", "(", "(", "1", "+", "2", ")", "*", "3", ")", "+", "4", ")", " "}},
      {"6/3÷2", {"6", "@", "3", "@", "2", " "}},
      {"1+2=", {"1", "+", "2", " "}},
  };
  for (const auto& c : cases) {
    std::string normText;
    const auto norm = Normalise(c.normText, Options{}, normText);
    ASSERT_TRUE(std::holds_alternative<bool>(norm)) << c.normText << MessageOf(norm);
    const auto tokens = Tokenise(normText);
    ASSERT_TRUE(std::holds_alternative<TokenList>(tokens)) << c.normText << MessageOf(tokens);
    EXPECT_EQ(MarkSigns(std::get<TokenList>(tokens)), c.tokens) << c.normText;
  }
}

TEST(FrontHalf, DeepNestingNeedsNoRecursion) {
  constexpr std::size_t kDepth = 100000;
  const std::string typed = std::string(kDepth, '{') + "-1" + std::string(kDepth, '}');
  std::string normText;
  const auto norm = Normalise(typed, Options{}, normText);
  ASSERT_TRUE(std::holds_alternative<bool>(norm)) << MessageOf(norm);
  auto tokens = Tokenise(normText);
  ASSERT_TRUE(std::holds_alternative<TokenList>(tokens)) << MessageOf(tokens);
  const TokenList marked = MarkSigns(std::move(std::get<TokenList>(tokens)));
  ASSERT_EQ(marked.size(), 2 * kDepth + 3);
  EXPECT_EQ(marked[kDepth], "~");
  EXPECT_EQ(marked[kDepth + 1], "1");
  EXPECT_EQ(marked.back(), " ");
}

TEST(FrontHalf, BracketFaultsComeBeforeSyntaxFaults) {
  std::string normText;
  const auto norm = Normalise("1.2.3+(1", Options{}, normText);
  EXPECT_EQ(MessageOf(norm), msg::kMissingRound);
}

}  // namespace
}  // namespace tl::engine
