#pragma once
// Evaluation of a postfix token list on a stack of number texts.
#include <string>

#include "engine/diagnostic.h"
#include "engine/engine.h"
#include "engine/operand_stack.h"
#include "engine/postfix.h"

namespace tl::engine {

struct Evaluated {
  std::string text;                             // the single value left, as a number text
  double value = 0;                             // what that text reads as
  ResultKind resultKind = ResultKind::Decimal;  // see EvaluatePostfix
};

// Reduces `postfix` (ToPostfix's output) to a single value. Each operation
// reads its operands with the text-to-number rule and leaves its result as the
// 13-digit number text, so every intermediate value is cut to 13 significant
// digits (1÷3×3-1 is -1.000310945187e-013, not 0).
//
// The result kind is FractionTyped when a fraction was typed and nothing forced
// decimal output, Decimal otherwise: a typed "." or any function or unary
// operator forces it. A ConversionApply evaluation always asks for
// FractionTyped. No value that is not a finite number is ever left: the step
// that would make one fails instead.
StepResult<Evaluated> EvaluatePostfix(const PostfixList& postfix, AngleMode angleMode,
                                      EvaluationMode mode);
// The same on `operands`, emptied first, whose storage is kept.
StepResult<Evaluated> EvaluatePostfix(const PostfixList& postfix, AngleMode angleMode,
                                      EvaluationMode mode, OperandStack& operands);

}  // namespace tl::engine
