#pragma once
// The one table of functions: every name and symbol that takes operands other
// than the binary operators, with how it takes them and what it computes. The
// tokeniser resolves a name to its entry once; the sign pass, the postfix
// conversion and the evaluation work from the entry.
#include <array>
#include <string_view>

#include "engine/alphabet.h"
#include "engine/diagnostic.h"
#include "engine/engine.h"  // FunctionKind
#include "engine/list_functions.h"
#include "engine/messages.h"
#include "engine/unary_functions.h"

namespace tl::engine {

struct Function {
  std::string_view name;  // as typed, and as the messages name it
  FunctionKind kind;
  // Prefix and Postfix: the value, and the message for a value that is not
  // finite (empty for the composed "function failed" message).
  Computed (*compute)(double x, AngleMode angleMode) = nullptr;
  std::string_view notFinite = {};
  ListAnswer (*computeList)(list::Arguments arguments) = nullptr;  // List
};

namespace function_rows {
constexpr Function Prefix(std::string_view name, Computed (*compute)(double, AngleMode),
                          std::string_view notFinite = {}) {
  return {name, FunctionKind::Prefix, compute, notFinite};
}
constexpr Function Postfix(std::string_view name, Computed (*compute)(double, AngleMode)) {
  return {name, FunctionKind::Postfix, compute};
}
constexpr Function List(std::string_view name, ListAnswer (*computeList)(list::Arguments)) {
  return {name, FunctionKind::List, nullptr, {}, computeList};
}
}  // namespace function_rows

inline constexpr std::array kFunctions = [] {
  using namespace function_rows;
  return std::array{
      Prefix("sin", unary::Sin, msg::kSine),
      Prefix("cos", unary::Cos, msg::kCosine),
      Prefix("tan", unary::Tan, msg::kTangent),
      Prefix("sqr", unary::Sqr, msg::kSquareRoot),
      Prefix("asin", unary::Asin, msg::kArcsine),
      Prefix("acos", unary::Acos),
      Prefix("atan", unary::Atan),
      Prefix("sinh", unary::Sinh, msg::kSinh),
      Prefix("cosh", unary::Cosh, msg::kCosh),
      Prefix("tanh", unary::Tanh, msg::kTanh),
      Prefix("asinh", unary::Asinh),
      Prefix("acosh", unary::Acosh),
      Prefix("atanh", unary::Atanh),
      Prefix("abs", unary::Abs),
      Prefix("exp", unary::Exp),
      Prefix("int", unary::Int),
      Prefix("ln", unary::Ln),
      Prefix("lg", unary::Lg),
      Prefix("~", unary::Negate),
      Postfix("%", unary::Percent),
      Postfix(kPerMille, unary::PerMille),
      Postfix("!", unary::Factorial),
      List("log", list::Log),
      List("max", list::Max),
      List("min", list::Min),
      List("sum", list::Sum),
      List("if", list::If),
      List("tjfx", list::Tjfx),
  };
}();

// The entry named `name`, or null.
constexpr const Function* FunctionNamed(std::string_view name) {
  for (const Function& function : kFunctions) {
    if (function.name == name) return &function;
  }
  return nullptr;
}

// The value of a Prefix or Postfix entry for argument x, or its message. A
// value that is not a finite number is always a failure.
StepResult<double> ApplyOneArgument(const Function& function, double x, AngleMode angleMode);

// The answer of a List entry for the arguments (at least one), or its message.
// A computed value is always a finite number.
StepResult<ListAnswer> ApplyList(const Function& function, list::Arguments arguments);

}  // namespace tl::engine
