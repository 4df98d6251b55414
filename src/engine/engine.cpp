#include "engine/engine.h"

#include <variant>

#include "engine/evaluate.h"
#include "engine/normalise.h"
#include "engine/postfix.h"
#include "engine/prepare.h"
#include "engine/result_text.h"
#include "engine/token_kinds.h"
#include "engine/tokenise.h"
#include "text/gbk.h"

namespace tl::engine {

namespace {

Outcome MessageOutcome(Diagnostic diagnostic, bool hasOperator = true) {
  Outcome outcome;
  outcome.status = diagnostic.unrecognised ? Status::Unrecognised : Status::Message;
  outcome.text = std::move(diagnostic.message);
  outcome.hasOperator = hasOperator;
  return outcome;
}

// A bare number: a single number token that is the expression itself ("5",
// but not "(5)", "pi" or "1∟2", whose token differs from the text).
bool IsBareNumber(const Tokens& tokens, std::string_view exprText) {
  if (tokens.size() != 2 || tokens[1].role != Role::End) return false;
  if (tokens[0].role != Role::Number) return false;
  return tokens[0].text == text::RemoveSpaces(exprText);
}

}  // namespace

struct Workspace::Buffers {
  Tokens tokens;
  Tokens stack;
  OperandStack operands;
};

Workspace::Workspace() : buffers_(std::make_unique<Buffers>()) {}
Workspace::~Workspace() = default;

Outcome Evaluate(std::string_view exprText, const Options& options) {
  Workspace workspace;
  return Evaluate(exprText, options, workspace);
}

Outcome Evaluate(std::string_view exprText, const Options& options, Workspace& workspace) {
  Workspace::Buffers& buffers = *workspace.buffers_;
  const std::string prepared = PrepareExpression(exprText);
  if (prepared == kEndMarker) return Outcome{};

  StepResult<std::string> normalised = Normalise(prepared, options);
  if (auto* failure = std::get_if<Diagnostic>(&normalised)) return MessageOutcome(*failure);

  // The tokens and the postfix order are views of the normalised text.
  StepResult<Tokens> tokens =
      ReadTokens(std::get<std::string>(normalised), std::move(buffers.tokens));
  if (auto* failure = std::get_if<Diagnostic>(&tokens)) return MessageOutcome(*failure);
  const bool hasOperator = !IsBareNumber(std::get<Tokens>(tokens), exprText);

  StepResult<PostfixList> postfix =
      ToPostfix(MarkSigns(std::move(std::get<Tokens>(tokens))), buffers.stack);
  if (auto* failure = std::get_if<Diagnostic>(&postfix))
    return MessageOutcome(*failure, hasOperator);

  StepResult<Evaluated> evaluated = EvaluatePostfix(
      std::get<PostfixList>(postfix), options.angleMode, options.mode, buffers.operands);
  // The list goes back to the workspace for the next evaluation.
  buffers.tokens = std::move(std::get<PostfixList>(postfix));
  if (auto* failure = std::get_if<Diagnostic>(&evaluated))
    return MessageOutcome(*failure, hasOperator);

  const Evaluated& result = std::get<Evaluated>(evaluated);
  Outcome outcome;
  outcome.status = Status::Result;
  outcome.text = FormatResult(result.value, result.resultKind, options);
  outcome.resultKind = result.resultKind;
  outcome.hasOperator = hasOperator;
  return outcome;
}

}  // namespace tl::engine
