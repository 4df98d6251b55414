#include "engine/evaluate.h"

#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/exponential.h"
#include "engine/function_table.h"
#include "engine/messages.h"
#include "engine/operand_stack.h"
#include "engine/unary_functions.h"
#include "text/number_text_buffer.h"

namespace tl::engine {

namespace {

constexpr double kTolerance = 1e-7;

// The result kind while evaluating: a typed fraction asks for fraction output,
// anything that forces a decimal wins for good.
enum class Kind { Decimal, Fraction, ForcedDecimal };

Diagnostic Fail(std::string_view message) {
  return Diagnostic{std::string(message)};
}

// x op y, or the operator's message when the result is not a finite number.
Computed ApplyBinary(char op, double x, double y) {
  switch (op) {
    case '+':
      if (const double r = x + y; std::isfinite(r)) return {r};
      return {.failure = msg::kAddition};
    case '-':
      if (const double r = x - y; std::isfinite(r)) return {r};
      return {.failure = msg::kSubtraction};
    case '*':
      if (const double r = x * y; std::isfinite(r)) return {r};
      return {.failure = msg::kMultiplication};
    case '@':
      if (y == 0) return {.failure = msg::kDivision};
      if (const double r = x / y; std::isfinite(r)) return {r};
      return {.failure = msg::kDivision};
    case '\\':
      if (y == 0) return {.failure = msg::kIntegerDivision};
      if (const double q = x / y; std::isfinite(q)) return {std::trunc(q)};
      return {.failure = msg::kIntegerDivision};
    case '^':
      if (const double r = Power(x, y); std::isfinite(r)) return {r};
      return {.failure = msg::kPower};
    default: {  // '|': the x-th root of y
      const double exponent = x == 0 ? std::copysign(HUGE_VAL, x) : 1 / x;
      if (const double r = Power(y, exponent); std::isfinite(r)) return {r};
      return {.failure = msg::kRoot};
    }
  }
}

// The value of a number token with fraction bars: a∟b or a∟b∟c. An empty
// part between two bars counts as 0; an empty part after the last bar is no
// part at all.
StepResult<double> FractionValue(std::string_view token) {
  double parts[3];
  std::size_t count = 0;
  std::size_t start = 0;
  while (start < token.size()) {
    const std::size_t bar = token.find('/', start);
    const std::size_t end = bar == std::string_view::npos ? token.size() : bar;
    if (count == 3) return Fail(msg::kFractionParts);
    parts[count++] = text::ReadNumberText(token.substr(start, end - start));
    if (bar == std::string_view::npos) break;
    start = bar + 1;
  }
  if (count == 3) {
    if (std::fabs(parts[2]) <= kTolerance) return Fail(msg::kZeroDenominator);
    return parts[0] + parts[1] / parts[2];
  }
  if (count == 2) {
    if (std::fabs(parts[1]) <= kTolerance) return Fail(msg::kZeroDenominator);
    return parts[0] / parts[1];
  }
  return Fail(msg::kFractionParts);
}

class Evaluation {
 public:
  Evaluation(OperandStack& operands, std::size_t size, AngleMode angleMode)
      : operands_(operands), angleMode_(angleMode) {
    operands_.Reset(size);
  }

  std::optional<Diagnostic> Step(const Token& token) {
    switch (token.role) {
      case Role::Number:
        return Number(token);
      case Role::Comma:
        return Join();
      case Role::AddOrSubtract:
      case Role::Multiplicative:
      case Role::PowerOrRoot:
        return Binary(token.text[0]);
      default:
        break;
    }
    if (!token.function) return Fail(msg::kBadOperator);
    if (token.function->kind == FunctionKind::List) return List(*token.function);
    return OneArgument(*token.function);
  }

  StepResult<Evaluated> Finish(EvaluationMode mode) {
    const bool fraction = kind_ == Kind::Fraction || mode == EvaluationMode::ConversionApply;
    if (operands_.Size() != 1) return Fail(msg::kCannotComplete);
    // An argument list outside a function is no value.
    if (operands_.TopCount() != 1) return Fail(msg::kCommaPosition);
    return Evaluated{std::string(operands_.TopText()), operands_.TopValue(),
                     fraction ? ResultKind::FractionTyped : ResultKind::Decimal};
  }

 private:
  std::optional<Diagnostic> Join() {
    if (operands_.Size() < 2) return Fail(msg::kMissingOperand);
    operands_.Join();
    return std::nullopt;
  }

  std::optional<Diagnostic> Number(const Token& number) {
    const std::string_view token = number.text;
    if (number.point) kind_ = Kind::ForcedDecimal;
    if (!number.bar) {
      const double value = number.valued ? number.value : text::ReadNumberText(token);
      if (!std::isfinite(value)) return Fail(msg::kNumberTooLarge);
      operands_.PushTyped(token, value);
      return std::nullopt;
    }
    const StepResult<double> value = FractionValue(token);
    if (const auto* failure = std::get_if<Diagnostic>(&value)) return *failure;
    if (!std::isfinite(std::get<double>(value))) return Fail(msg::kNumberTooLarge);
    operands_.Push(std::get<double>(value));
    if (kind_ != Kind::ForcedDecimal) kind_ = Kind::Fraction;
    return std::nullopt;
  }

  std::optional<Diagnostic> Binary(char op) {
    if (operands_.Size() < 2) return Fail(msg::kMissingOperand);
    if (operands_.TopCount() != 1 || operands_.SecondCount() != 1) return Fail(msg::kCommaPosition);
    const double x = operands_.SecondValue();
    const double y = operands_.TopValue();
    const Computed result = ApplyBinary(op, x, y);
    if (!result.failure.empty()) return Fail(result.failure);
    operands_.ReplaceTopTwo(result.value);
    return std::nullopt;
  }

  std::optional<Diagnostic> OneArgument(const Function& function) {
    kind_ = Kind::ForcedDecimal;
    if (operands_.Size() == 0) return Diagnostic{msg::EmptyArgument(function.name)};
    if (operands_.TopCount() != 1) return Diagnostic{msg::TooManyArguments(function.name)};
    const StepResult<double> result = ApplyOneArgument(function, operands_.TopValue(), angleMode_);
    if (const auto* failure = std::get_if<Diagnostic>(&result)) return *failure;
    operands_.ReplaceTop(std::get<double>(result));
    return std::nullopt;
  }

  std::optional<Diagnostic> List(const Function& function) {
    kind_ = Kind::ForcedDecimal;
    if (operands_.Size() == 0) return Diagnostic{msg::EmptyListArgument(function.name)};
    std::vector<double> arguments(operands_.TopCount());
    for (std::size_t k = 0; k < arguments.size(); ++k) arguments[k] = operands_.TopValue(k);
    const StepResult<ListAnswer> result = ApplyList(function, arguments);
    if (const auto* failure = std::get_if<Diagnostic>(&result)) return *failure;
    const ListAnswer& answer = std::get<ListAnswer>(result);
    if (answer.chosenArgument) {
      operands_.ReplaceTopWithItsText(*answer.chosenArgument);
    } else {
      operands_.ReplaceTop(answer.value);
    }
    return std::nullopt;
  }

  OperandStack& operands_;
  AngleMode angleMode_;
  Kind kind_ = Kind::Decimal;
};

}  // namespace

StepResult<Evaluated> EvaluatePostfix(const PostfixList& postfix, AngleMode angleMode,
                                      EvaluationMode mode) {
  OperandStack operands;
  return EvaluatePostfix(postfix, angleMode, mode, operands);
}

StepResult<Evaluated> EvaluatePostfix(const PostfixList& postfix, AngleMode angleMode,
                                      EvaluationMode mode, OperandStack& operands) {
  Evaluation evaluation(operands, postfix.size(), angleMode);
  for (const Token& token : postfix) {
    if (token.role == Role::End) break;
    if (std::optional<Diagnostic> failure = evaluation.Step(token)) return std::move(*failure);
  }
  return evaluation.Finish(mode);
}

}  // namespace tl::engine
