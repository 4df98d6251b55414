#include "engine/postfix.h"

#include <gtest/gtest.h>

#include "engine/front_test_helpers.h"
#include "engine/messages.h"

namespace tl::engine {
namespace {

struct PostfixCase {
  TokenList signedTokens;
  TokenList postfix;
};

// The postfix list as texts, or the message.
TokenList PostfixOf(const TokenList& signedTokens) {
  const auto result = ToPostfix(signedTokens);
  if (!std::holds_alternative<PostfixList>(result)) return {MessageOf(result)};
  return TextsOf(std::get<PostfixList>(result));
}

TEST(ToPostfix, OrdersByBindingStrength) {
  const PostfixCase cases[] = {
      {{"2", "*", "3", "+", "4", " "}, {"2", "3", "*", "4", "+", " "}},
      {{"2", "+", "3", "*", "4", " "}, {"2", "3", "4", "*", "+", " "}},
      {{"8", "@", "2", "\\", "3", " "}, {"8", "2", "@", "3", "\\", " "}},
      {{"2", "^", "3", "^", "2", " "}, {"2", "3", "^", "2", "^", " "}},  // left to right
      {{"4", "|", "27", "*", "2", " "}, {"4", "27", "|", "2", "*", " "}},
      {{"~", "2", "^", "2", " "}, {"2", "~", "2", "^", " "}},  // (-2)^2
      {{"2", "^", "~", "3", " "}, {"2", "3", "~", "^", " "}},  // 2^(-3)
      {{"5", "*", "50", "%", " "}, {"5", "50", "%", "*", " "}},
      {{"(", "1", "+", "2", ")", "*", "3", " "}, {"1", "2", "+", "3", "*", " "}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PostfixOf(c.signedTokens), c.postfix) << ::testing::PrintToString(c.signedTokens);
  }
}

TEST(ToPostfix, FunctionsTakeTheNextNumberOrBracketedGroup) {
  const PostfixCase cases[] = {
      {{"sin", "3", "+", "5", " "}, {"3", "sin", "5", "+", " "}},
      {{"sin", "2", "^", "2", " "}, {"2", "sin", "2", "^", " "}},  // (sin 2)^2
      {{"sin", "(", "30", "+", "60", ")", " "}, {"30", "60", "+", "sin", " "}},
      {{"sin", "30", "!", " "}, {"30", "sin", "!", " "}},  // (sin 30)!
      {{"sqr", "sqr", "16", " "}, {"16", "sqr", "sqr", " "}},
      {{"~", "(", "2", "+", "3", ")", " "}, {"2", "3", "+", "~", " "}},
      {{"max", "(", "1", ",", "2", "+", "3", ")", " "}, {"1", "2", "3", "+", ",", "max", " "}},
      {{"max", "(", "1", ",", "2", ",", "3", ")", " "}, {"1", "2", "3", ",", ",", "max", " "}},
      {{"max", "(", "1", ",", "2", ")", "+", "sum", "(", "3", ",", "4", ")", " "},
       {"1", "2", ",", "max", "3", "4", ",", "sum", "+", " "}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PostfixOf(c.signedTokens), c.postfix) << ::testing::PrintToString(c.signedTokens);
  }
}

TEST(ToPostfix, ReadsNumbersAndSkipsStrayTokens) {
  const PostfixCase cases[] = {
      {{".5", "+", "1", " "}, {".5", "1", "+", " "}},
      {{"1", "+", "/2", " "}, {"1", "+", " "}},  // a fraction bar with nothing before it
      {{"3/1/5", " "}, {"3/1/5", " "}},
      {{"1", "+", "2"}, {"1", "2", "+", " "}},  // no end marker: the list still ends
      {{"1", " ", "+", "2"}, {"1", " "}},       // nothing after the end marker is read
      {{" "}, {" "}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PostfixOf(c.signedTokens), c.postfix) << ::testing::PrintToString(c.signedTokens);
  }
}

TEST(ToPostfix, RefusesACommaWithoutBracket) {
  const TokenList cases[] = {
      {"1", ",", "2", " "},
      {"max", "1", ",", "2", " "},  // the function left with its first number
      {"1", "+", "2", ",", "3", " "},
  };
  for (const auto& tokens : cases) {
    EXPECT_EQ(MessageOf(ToPostfix(tokens)), msg::kCommaPosition)
        << ::testing::PrintToString(tokens);
  }
}

TEST(ToPostfix, DeepNestingNeedsNoRecursion) {
  TokenList tokens;
  const int depth = 200000;
  for (int k = 0; k < depth; ++k) tokens.insert(tokens.end(), {"sin", "("});
  tokens.push_back("1");
  for (int k = 0; k < depth; ++k) tokens.push_back(")");
  tokens.push_back(" ");
  EXPECT_EQ(PostfixOf(tokens).size(), static_cast<std::size_t>(depth + 2));
}

}  // namespace
}  // namespace tl::engine
