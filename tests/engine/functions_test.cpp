// One- and several-argument functions, through the whole engine.
#include <gtest/gtest.h>

#include <string>

#include "engine/back_test_helpers.h"
#include "engine/messages.h"

namespace tl::engine {
namespace {

constexpr AngleMode kDegrees = AngleMode::Degrees;
constexpr AngleMode kRadians = AngleMode::Radians;
constexpr AngleMode kGradians = AngleMode::Gradians;

void ExpectAll(const ExprCase* begin, const ExprCase* end, const Options& options = {}) {
  for (const ExprCase* c = begin; c != end; ++c)
    EXPECT_EQ(ResultOf(c->expr, options), c->expected) << c->expr;
}
template <std::size_t N>
void ExpectAll(const ExprCase (&cases)[N], const Options& options = {}) {
  ExpectAll(cases, cases + N, options);
}

TEST(AngleModes, Degrees) {
  const ExprCase cases[] = {
      {"sin(30)", "0.5"},
      {"cos(60)", "0.5"},
      {"tan(45)", "1"},
      {"cos(60)-0.5", "0"},
      {"sin(180)", "0"},  // whole quarter turns are exact
      {"cos(90)", "0"},
      {"sin(-270)", "1"},
      {"cos(-180)", "-1"},
      {"tan(-540)", "0"},
      {"sin(10^308)", "-0.898794046299"},  // less whole turns: sin(296)
      {"asin(1)", "90"},
      {"acos(0.5)", "60"},
      {"acos(-1)", "180"},
      {"atan(1)", "45"},
      {"sin3+5", "5.052335956243"},
      {"sin(30+60)", "1"},
  };
  ExpectAll(cases, WithAngleMode(kDegrees));
}

TEST(AngleModes, RadiansAndGradians) {
  const ExprCase radians[] = {
      {"sin(3.14159265359)", "-2.068231071102×10^-013"},
      {"asin(1)", "1.570796326795"},
      {"acos(0)", "1.570796326795"},  // π/2 to the last digit
      {"atan(1)", "0.785398163397"},
  };
  ExpectAll(radians, WithAngleMode(kRadians));
  const ExprCase gradians[] = {
      {"sin(100)", "1"},  {"cos(300)", "0"},
      {"sin(200)", "0"},  {"tan(50)", "1"},
      {"tan(-600)", "0"}, {"sin(30)", "0.45399049974"},
      {"acos(0)", "100"}, {"asin(1)", "100"},
      {"atan(1)", "50"},  {"asin(0.5)", "33.33333333333"},
  };
  ExpectAll(gradians, WithAngleMode(kGradians));
}

TEST(OneArgumentFunctions, Results) {
  const ExprCase cases[] = {
      {"√9", "3"},
      {"sqr(2)", "1.414213562373"},
      {"abs(-3)", "3"},
      {"exp(1)", "2.718281828459"},
      {"ln(e)", "1"},
      {"lg(1000)", "3"},
      {"sinh(1)", "1.175201193644"},
      {"cosh(0)", "1"},
      {"tanh(1)", "0.761594155956"},
      {"asinh(1)", "0.88137358702"},
      {"asinh(-0.0000000001)", "-1×10^-010"},  // no digit lost next to 0
      {"acosh(2)", "1.316957896925"},
      {"acosh(1.0000000001)", "1.414213620868×10^-005"},
      {"acosh(10^300)", "691.4686750788"},
      {"atanh(-0.5)", "-0.549306144334"},
      {"int(2.9999999999999)", "3"},
      {"int(2.99)", "2"},
      {"int(-2.7)", "-2"},
      {"int(-0.9999999999999)", "-1"},
      {"int(3000000000.5)", "3000000000"},  // beyond 32 bits, kept whole
      {"int(5×10^15+0.5)", "5×10^015"},
      {"5!", "120"},
      {"150!", "5.713383956446×10^262"},
      {"(1÷3×3×3)!", "6"},  // 2.9999999999997 counts as 3
      {"5×50%", "2.5"},
      {"200+10%", "200.1"},
      {"500‰", "0.5"},
  };
  ExpectAll(cases);
}

TEST(OneArgumentFunctions, Failures) {
  const ExprCase cases[] = {
      {"sqr(-4)", std::string(msg::kSquareRoot)},
      {"asin(2)", std::string(msg::kSineRange)},
      {"asin(1.00000001)", std::string(msg::kArcsine)},
      {"acos(-1.5)", std::string(msg::kCosineRange)},
      {"acos(1.00000001)", msg::FunctionFailed("acos")},
      {"sinh(1000)", std::string(msg::kSinh)},
      {"cosh(1000)", std::string(msg::kCosh)},
      {"tanh(1000)", std::string(msg::kTanh)},
      {"acosh(0.5)", msg::FunctionFailed("acosh")},
      {"atanh(1)", msg::FunctionFailed("atanh")},
      {"atanh(-1.5)", msg::FunctionFailed("atanh")},
      {"ln(0)", msg::FunctionFailed("ln")},
      {"ln(-1)", msg::FunctionFailed("ln")},
      {"lg(0)", msg::FunctionFailed("lg")},
      {"exp(1000)", msg::FunctionFailed("exp")},
      {"sin()", msg::EmptyArgument("sin")},
      {"sin(1,2)", msg::TooManyArguments("sin")},
      {"0!", std::string(msg::kFactorial)},
      {"151!", std::string(msg::kFactorial)},
      {"2.5!", std::string(msg::kFactorial)},
      {"-sin(30)", std::string(msg::kMissingOperand)},
  };
  ExpectAll(cases);
  // An odd number of quarter turns has no tangent.
  const ExprCase degrees[] = {{"tan(90)", std::string(msg::kTangent)},
                              {"tan(-270)", std::string(msg::kTangent)}};
  ExpectAll(degrees, WithAngleMode(kDegrees));
  const ExprCase gradians[] = {{"tan(100)", std::string(msg::kTangent)},
                               {"tan(-300)", std::string(msg::kTangent)}};
  ExpectAll(gradians, WithAngleMode(kGradians));
}

TEST(ListFunctions, Results) {
  const ExprCase cases[] = {
      {"log(2,8)", "3"},
      {"log(10,1000)", "3"},
      {"max(3,9,4)", "9"},
      {"min(3,9,4)", "3"},
      {"sum(1,2,3.5)", "6.5"},
      {"max(5)", "5"},
      {"max(1,2+3)", "5"},
      {"max(1,2)+sum(3,4)", "9"},
      {"if(2,10,20,30)", "20"},
      {"if(1.5,10,20)", "10"},
      {"tjfx(1,4,9,1)", "1"},
      {"tjfx(2,4,9,1)", "9"},
      {"tjfx(3,4,9,1)", "8"},
      {"tjfx(4,4,9,1)", "14"},
      {"tjfx(5,1,2,3,4)", "2.5"},
      {"tjfx(6,1,2,3,4)", "1.666666666667"},
      {"tjfx(7,1,2,3,4)", "1.290994448736"},
      {"tjfx(8,1,2,3,4)", "0.645497224368"},
      {"tjfx(9,1,2,3,4)", "2.5"},
      {"tjfx(9,3,1,2)", "2"},
      {"tjfx(9.9,3,1,2)", "2"},  // the selector is truncated
  };
  ExpectAll(cases);
}

TEST(ListFunctions, Failures) {
  const ExprCase cases[] = {
      {"log(8)", std::string(msg::kLogArguments)},
      {"log(2,3,4)", std::string(msg::kLogArguments)},
      {"log(1,5)", msg::FunctionFailed("log")},
      {"log(10,0)", msg::FunctionFailed("log")},
      {"max()", msg::EmptyListArgument("max")},
      {"if(3,10,20)", std::string(msg::kIfFirstArgument)},
      {"if(1,10,20)", std::string(msg::kIfFirstArgument)},
      {"if(5)", std::string(msg::kIfFirstArgument)},
      {"tjfx(5)", std::string(msg::kTjfxArguments)},
      {"tjfx(10,1,2)", std::string(msg::kTjfxSelector)},
      {"tjfx(0,1,2)", std::string(msg::kTjfxSelector)},
      {"tjfx(6,5)", msg::FunctionFailed("tjfx")},  // the variance of one value
      {"tjfx(8,5)", msg::FunctionFailed("tjfx")},
      {"sum(10^308,10^308)", msg::FunctionFailed("sum")},
      {"max 1,2", std::string(msg::kCommaPosition)},  // without brackets
  };
  ExpectAll(cases);
}

}  // namespace
}  // namespace tl::engine
