#pragma once
// Every status message the engine reports, written once. A status message is
// three spaces, the bracketed category, "_" and the text.
#include <string>
#include <string_view>

namespace tl::engine::msg {

#define TL_EXPR_ERROR(text) "   [表达式错误]_" text
#define TL_CALC_ERROR(text) "   [运算错误]_" text
#define TL_FRACTION_ERROR(text) "   [分数转换不能完成请求]_" text

// Brackets.
inline constexpr std::string_view kRoundMismatch = TL_EXPR_ERROR("错误，表达式中括号不匹配！");
inline constexpr std::string_view kSquareMismatch = TL_EXPR_ERROR("错误，表达式中中括号不匹配！");
inline constexpr std::string_view kCurlyMismatch = TL_EXPR_ERROR("错误，表达式中大括号不匹配！");
inline constexpr std::string_view kMissingRound = TL_EXPR_ERROR("错误，公式缺少右括号！");
inline constexpr std::string_view kMissingSquare = TL_EXPR_ERROR("错误，公式缺少右中括号！");
inline constexpr std::string_view kMissingCurly = TL_EXPR_ERROR("错误，公式缺少右大括号！");

// Syntax.
inline constexpr std::string_view kMissingOperator = TL_EXPR_ERROR("缺少必要的运算符！");
inline constexpr std::string_view kMissingOperatorAfterBracket =
    TL_EXPR_ERROR("错误，缺少必要的运算符！");
inline constexpr std::string_view kTooManyPoints = TL_EXPR_ERROR("单个数中小数点最多只能一个！");
inline constexpr std::string_view kUnrecognised = TL_EXPR_ERROR("有不可识别的字符！");

// Evaluation order and operators.
inline constexpr std::string_view kCommaPosition = TL_EXPR_ERROR("逗号位置错误！");
inline constexpr std::string_view kMissingOperand =
    TL_EXPR_ERROR("请检查操作符前后是否缺少操作数！");
inline constexpr std::string_view kZeroDenominator =
    TL_EXPR_ERROR("输入的分数格式错误,分母不能为零！");
inline constexpr std::string_view kFractionParts =
    TL_EXPR_ERROR("输入的分数格式错误,缺少分母或分子！");
inline constexpr std::string_view kCannotComplete =
    TL_EXPR_ERROR("表达式无法完成计算，因为缺少必要的运算符！");
inline constexpr std::string_view kAddition = TL_CALC_ERROR("加法运算错误或溢出！");
inline constexpr std::string_view kSubtraction = TL_CALC_ERROR("减法运算错误！");
inline constexpr std::string_view kMultiplication = TL_CALC_ERROR("乘法运算错误或溢出！");
inline constexpr std::string_view kDivision = TL_CALC_ERROR("除法运算错误！");
inline constexpr std::string_view kIntegerDivision = TL_CALC_ERROR("求余运算错误！");
inline constexpr std::string_view kPower = TL_CALC_ERROR("乘方运算错误或溢出！");
inline constexpr std::string_view kRoot = TL_CALC_ERROR("开根错误或溢出！");
inline constexpr std::string_view kFactorial =
    TL_CALC_ERROR("阶乘的参数必须是一个整数且大于零,小于等于150！");
inline constexpr std::string_view kBadOperator = TL_CALC_ERROR("错误的运算符！");

// One-argument functions.
inline constexpr std::string_view kSine = TL_CALC_ERROR("正弦运算错误或溢出！");
inline constexpr std::string_view kCosine = TL_CALC_ERROR("余弦运算错误或溢出！");
inline constexpr std::string_view kTangent = TL_CALC_ERROR("正切运算错误或溢出！");
inline constexpr std::string_view kSquareRoot = TL_CALC_ERROR("平方根运算错误或溢出！");
inline constexpr std::string_view kSineRange = TL_CALC_ERROR("正弦值只能在-1～1之间！");
inline constexpr std::string_view kArcsine = TL_CALC_ERROR("反正弦运算错误或溢出！");
inline constexpr std::string_view kCosineRange = TL_CALC_ERROR("余弦值只能在-1～1之间！");
inline constexpr std::string_view kSinh = TL_CALC_ERROR("sinh函数运算错误！");
inline constexpr std::string_view kCosh = TL_CALC_ERROR("cosh函数运算错误！");
inline constexpr std::string_view kTanh = TL_CALC_ERROR("tanh函数运算错误！");

// Several-argument functions.
inline constexpr std::string_view kLogArguments = TL_CALC_ERROR("求log函数参数数量必须为2！");
inline constexpr std::string_view kIfFirstArgument = TL_CALC_ERROR("求if函数第一个参数错误！");
inline constexpr std::string_view kTjfxArguments =
    TL_CALC_ERROR("求tjfx函数参数数量必须大于等于2！");
inline constexpr std::string_view kTjfxSelector = TL_CALC_ERROR("求tjfx函数的定义参数超出范围！");

// A typed number beyond the range of a double.
inline constexpr std::string_view kNumberTooLarge = TL_CALC_ERROR("输入的数值过大！");

// Fraction conversion.
inline constexpr std::string_view kComputeFirst = TL_FRACTION_ERROR("请先计算再转换！");
inline constexpr std::string_view kFractionFormat = TL_FRACTION_ERROR("分数格式错误！");

// Messages composed with a function's name.
inline std::string EmptyArgument(std::string_view name) {  // sin()
  return std::string(TL_CALC_ERROR("")) + std::string(name) + "函数参数不能为空！";
}
inline std::string TooManyArguments(std::string_view name) {  // sin(1,2)
  return std::string(TL_CALC_ERROR("为")) + std::string(name) +
         "函数提供过多的参数，函数参数必须为1个！";
}
inline std::string EmptyListArgument(std::string_view name) {  // max()
  return std::string(TL_CALC_ERROR("求")) + std::string(name) + "函数参数不能为空！";
}
// A function whose result is not a finite number: ln(0), exp(1000), log(1,5),
// acos just past 1, the variance of a single value.
inline std::string FunctionFailed(std::string_view name) {
  return std::string(TL_CALC_ERROR("")) + std::string(name) + "函数运算错误！";
}

#undef TL_EXPR_ERROR
#undef TL_CALC_ERROR
#undef TL_FRACTION_ERROR

}  // namespace tl::engine::msg
