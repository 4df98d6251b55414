#include "engine/engine.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/back_test_helpers.h"
#include "engine/messages.h"

namespace tl::engine {
namespace {

void ExpectAll(std::initializer_list<ExprCase> cases, const Options& options = {}) {
  for (const ExprCase& c : cases) EXPECT_EQ(ResultOf(c.expr, options), c.expected) << c.expr;
}

TEST(Evaluate, OperatorsAndBindingStrength) {
  ExpectAll({
      {"1+2", "3"},
      {"2^3^2", "64"},  // left to right
      {"-2^2", "4"},    // the sign binds tighter than the power
      {"2^-3", "0.125"},
      {"3×-8", "-24"},
      {"-5+-3", "-8"},
      {"7\\2", "3"},
      {"-7\\2", "-3"},
      {"3√8", "2"},
      {"(1+7)√8", "1.296839554651"},
      {"2×3√8", "4"},  // the root binds like the power
      {"4+√27", "9.196152422707"},
      {"5(3+6)", "45"},
      {"(15+5)(2+3)", "100"},
      {"2π", "6.28318530718"},
      {"{[(1+2)×3]+4}", "13"},
      {"5cos2", "4.996954135095"},
      {"1÷3×3-1", "-1.000310945187×10^-013"},  // 1÷3 is kept as 0.3333333333333
      {"3∟1∟5", "3.2"},
      {"1+2=", "3"},
      {"1,000+1", std::string(msg::kCommaPosition)},
  });
}

TEST(Evaluate, ThousandsSeparatorsOfTheInput) {
  Options commas;
  commas.thousandsSeparator = ThousandsSeparator::Comma;
  ExpectAll({{"1,000+1", "1,001"}, {"max(1;5)", "5"}}, commas);
}

TEST(Evaluate, OperatorFailures) {
  const std::string hugeNumber = "1" + std::string(400, '0');
  ExpectAll({
      {"10^308+10^308", std::string(msg::kAddition)},
      {"0-10^308-10^308", std::string(msg::kSubtraction)},
      {"10^200×10^200", std::string(msg::kMultiplication)},
      {"5÷0", std::string(msg::kDivision)},
      {"10^300÷10^-300", std::string(msg::kDivision)},
      {"7\\0", std::string(msg::kIntegerDivision)},
      {"10^400", std::string(msg::kPower)},
      {"0^-1", std::string(msg::kPower)},
      {"2√-4", std::string(msg::kRoot)},
      {"0√2", std::string(msg::kRoot)},
      {"1,2", std::string(msg::kCommaPosition)},
      {"(1,2)+3", std::string(msg::kCommaPosition)},
      {"(1,2)", std::string(msg::kCommaPosition)},
      {"1∟0", std::string(msg::kZeroDenominator)},
      {"1∟0.00000001", std::string(msg::kZeroDenominator)},  // within 1e-7 of zero
      {"3∟", std::string(msg::kFractionParts)},
      {"1∟2∟3∟4", std::string(msg::kFractionParts)},
      {"5sin2", std::string(msg::kCannotComplete)},
      {"1+", std::string(msg::kMissingOperand)},
      {hugeNumber, std::string(msg::kNumberTooLarge)},
  });
}

TEST(Evaluate, Statuses) {
  struct Case {
    std::string expr;
    Status status;
  } const cases[] = {
      {"", Status::Empty},           {"   ", Status::Empty},    {"1+2", Status::Result},
      {"1+x", Status::Unrecognised}, {"(1+2", Status::Message}, {"1.2.3", Status::Message},
      {"5÷0", Status::Message},
  };
  for (const Case& c : cases) EXPECT_EQ(Evaluate(c.expr, {}).status, c.status) << c.expr;
  EXPECT_EQ(ResultOf("1+x"), msg::kUnrecognised);
  EXPECT_EQ(ResultOf("(1+2"), msg::kMissingRound);
  EXPECT_EQ(ResultOf(""), "");
}

TEST(Evaluate, TellsABareNumber) {
  struct Case {
    std::string expr;
    bool hasOperator;
    bool labelledNumber = false;
  } const cases[] = {
      {"5", false},  {" 5 ", false}, {"12.5", false},
      {"(5)", true}, {"pi", true},   {"1∟2", true},
      {"5=", true},  {"1+2", true},  {"-5", true},
      {".5", false}, {"5÷0", true},  {"押金 3000", true, true},  // bare once the label is dropped
  };
  for (const Case& c : cases) {
    const Outcome outcome = Evaluate(c.expr, {});
    EXPECT_EQ(outcome.hasOperator, c.hasOperator) << c.expr;
    EXPECT_EQ(outcome.labelledNumber, c.labelledNumber) << c.expr;
  }
  EXPECT_EQ(ResultOf("5"), "5");
}

TEST(Evaluate, ReportsTheResultKind) {
  Options fractions;
  fractions.fractionForm = FractionForm::Fraction;
  EXPECT_EQ(Evaluate("1∟2+1∟4", fractions).resultKind, ResultKind::FractionTyped);
  EXPECT_EQ(Evaluate("1∟2+1", {}).resultKind, ResultKind::FractionTyped);
  EXPECT_EQ(Evaluate("1.5+1", fractions).resultKind, ResultKind::Decimal);
  EXPECT_EQ(Evaluate("1∟2+sin(0)", fractions).resultKind, ResultKind::Decimal);
  EXPECT_EQ(Evaluate("1+1", fractions).resultKind, ResultKind::Decimal);
}

TEST(Evaluate, LongAndDeepInput) {
  std::string deep;
  for (int k = 0; k < 50000; ++k) deep += "(";
  deep += "1";
  for (int k = 0; k < 50000; ++k) deep += ")";
  EXPECT_EQ(ResultOf(deep), "1");

  std::string longSum = "sum(1";
  for (int k = 1; k < 20000; ++k) longSum += ",1";
  EXPECT_EQ(ResultOf(longSum + ")"), "20000");

  std::string chain = "0";
  for (int k = 0; k < 20000; ++k) chain += "+sin(30)";
  EXPECT_EQ(ResultOf(chain), "10000");
}

}  // namespace
}  // namespace tl::engine
