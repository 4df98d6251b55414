#include "engine/evaluate.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/front_test_helpers.h"
#include "engine/messages.h"

namespace tl::engine {
namespace {

constexpr ResultKind kTyped = ResultKind::FractionTyped;

struct PostfixValueCase {
  TokenList postfix;
  std::string value;  // the number text left, or the message
  ResultKind resultKind = ResultKind::Decimal;
};

StepResult<Evaluated> EvaluateTexts(const TokenList& postfix) {
  return EvaluatePostfix(TokensOf(postfix), AngleMode::Degrees, EvaluationMode::Normal);
}

std::string ValueOrMessage(const StepResult<Evaluated>& result) {
  return std::holds_alternative<Evaluated>(result) ? std::get<Evaluated>(result).text
                                                   : MessageOf(result);
}

TEST(EvaluatePostfix, KeepsEveryIntermediateAsThirteenDigitText) {
  const PostfixValueCase cases[] = {
      {{"1", "3", "@", " "}, "0.3333333333333"},
      {{"1", "3", "@", "3", "*", " "}, "0.9999999999999"},
      {{"1", "3", "@", "3", "*", "1", "-", " "}, "-1.000310945187e-013"},
      {{"2", "70", "^", " "}, "1.180591620717e+021"},
      {{"12.50", " "}, "12.50"},  // a typed number stays as typed
      {{"3.1415926535897932384", "0", "+", " "}, "3.14159265359"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ValueOrMessage(EvaluateTexts(c.postfix)), c.value)
        << ::testing::PrintToString(c.postfix);
  }
}

TEST(EvaluatePostfix, ReadsFractionTokens) {
  const PostfixValueCase cases[] = {
      {{"3/1/5", " "}, "3.2", kTyped},
      {{"1/2", " "}, "0.5", kTyped},
      {{"1//2", " "}, "1", kTyped},      // an empty part between bars is 0
      {{"3/1/5/", " "}, "3.2", kTyped},  // an empty part after the last bar is none
      {{"1.5/2", " "}, "0.75"},          // a typed "." forces a decimal
      {{"1/2", "sin", " "}, "0.008726535498374"},
      {{"1/0", " "}, std::string(msg::kZeroDenominator)},
      {{"1/1/0.00000001", " "}, std::string(msg::kZeroDenominator)},
      {{"3/", " "}, std::string(msg::kFractionParts)},
      {{"1/2/3/4", " "}, std::string(msg::kFractionParts)},
  };
  for (const auto& c : cases) {
    const auto result = EvaluateTexts(c.postfix);
    EXPECT_EQ(ValueOrMessage(result), c.value) << ::testing::PrintToString(c.postfix);
    if (const auto* evaluated = std::get_if<Evaluated>(&result)) {
      EXPECT_EQ(evaluated->resultKind, c.resultKind) << ::testing::PrintToString(c.postfix);
    }
  }
}

TEST(EvaluatePostfix, JoinsArgumentsInOrder) {
  const PostfixValueCase cases[] = {
      {{"2", "10", "20", ",", ",", "if", " "}, "20"},
      {{"3", "10", "20", "30", ",", ",", ",", "if", " "}, "30"},
      {{"3", "10", ",", "20", ",", "30", ",", "if", " "}, "30"},
      {{"2", "10", "20", "30", ",", ",", ",", "if", " "}, "20"},
      {{"2", "10", "12.50", ",", ",", "if", " "}, "12.50"},  // the chosen text, unchanged
      {{"9", "3", "1", "2", ",", ",", ",", "tjfx", " "}, "2"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ValueOrMessage(EvaluateTexts(c.postfix)), c.value)
        << ::testing::PrintToString(c.postfix);
  }
}

TEST(EvaluatePostfix, ReportsMalformedOrders) {
  const std::string hugeNumber = "1" + std::string(400, '0');
  const PostfixValueCase cases[] = {
      {{",", " "}, std::string(msg::kMissingOperand)},
      {{"1", ",", " "}, std::string(msg::kMissingOperand)},
      {{"1", "+", " "}, std::string(msg::kMissingOperand)},
      {{"1", "2", ",", "3", "+", " "}, std::string(msg::kCommaPosition)},
      {{"3", "1", "2", ",", "+", " "}, std::string(msg::kCommaPosition)},
      {{"1", "2", ",", " "}, std::string(msg::kCommaPosition)},  // a list is no value
      {{"1", "2", " "}, std::string(msg::kCannotComplete)},
      {{" "}, std::string(msg::kCannotComplete)},
      {{"1", "2", "+", "(", " "}, std::string(msg::kBadOperator)},
      {{"1", "pi", " "}, std::string(msg::kBadOperator)},
      {{"~", " "}, msg::EmptyArgument("~")},
      {{"1", "2", ",", "!", " "}, msg::TooManyArguments("!")},
      {{"sum", " "}, msg::EmptyListArgument("sum")},
      {{hugeNumber, " "}, std::string(msg::kNumberTooLarge)},
      {{hugeNumber + "/2", " "}, std::string(msg::kNumberTooLarge)},
      {{std::string(400, '0') + "5", "2", "*", " "}, "10"},  // long, yet small
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ValueOrMessage(EvaluateTexts(c.postfix)), c.value)
        << ::testing::PrintToString(c.postfix).substr(0, 80);
  }
}

TEST(EvaluatePostfix, LongListsStayLinear) {
  // 100000 arguments joined one comma at a time, the way sum(1,1,…,1) arrives.
  TokenList postfix;
  const int count = 100000;
  for (int k = 0; k < count; ++k) postfix.push_back("1");
  for (int k = 1; k < count; ++k) postfix.push_back(",");
  postfix.push_back("sum");
  postfix.push_back(" ");
  EXPECT_EQ(ValueOrMessage(EvaluateTexts(postfix)), "100000");
}

}  // namespace
}  // namespace tl::engine
