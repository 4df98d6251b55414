#include "engine/engine.h"

#include <variant>

#include "engine/evaluate.h"
#include "engine/normalise.h"
#include "engine/postfix.h"
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

// The expression without its spaces and labels: "押金 3000" is "3000".
std::string WithoutSpacesAndLabels(std::string_view exprText) {
  std::string kept;
  for (std::size_t p = 0; p < exprText.size();) {
    const std::size_t length = text::CharLength(exprText, p);
    const bool label = length == 2 && IsLabelCharacter(exprText[p], exprText[p + 1]);
    if (!label && !text::IsSpaceAt(exprText, p)) kept.append(exprText.substr(p, length));
    p += length;
  }
  return kept;
}

// The single number token of the expression, or empty.
std::string_view SingleNumber(const Tokens& tokens) {
  if (tokens.size() != 2 || tokens[1].role != Role::End) return {};
  return tokens[0].role == Role::Number ? tokens[0].text : std::string_view{};
}

// A bare number: a single number token that is the expression itself ("5",
// but not "(5)", "pi" or "1∟2", whose token differs from the text).
bool IsBareNumber(std::string_view number, std::string_view exprText) {
  return !number.empty() && text::EqualsWithoutSpaces(exprText, number);
}

// A single number token that is the expression once its labels are dropped.
bool IsLabelledNumber(std::string_view number, std::string_view exprText) {
  return !number.empty() && number == WithoutSpacesAndLabels(exprText);
}

}  // namespace

struct Workspace::Buffers {
  std::string normText;
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
  const StepResult<bool> normalised = Normalise(exprText, options, buffers.normText);
  if (auto* failure = std::get_if<Diagnostic>(&normalised)) return MessageOutcome(*failure);
  if (!std::get<bool>(normalised)) return Outcome{};

  // The tokens and the postfix order are views of the normalised text.
  StepResult<Tokens> tokens = ReadTokens(buffers.normText, std::move(buffers.tokens));
  if (auto* failure = std::get_if<Diagnostic>(&tokens)) return MessageOutcome(*failure);
  const std::string_view number = SingleNumber(std::get<Tokens>(tokens));
  const bool hasOperator = !IsBareNumber(number, exprText);
  const bool labelledNumber = hasOperator && IsLabelledNumber(number, exprText);

  // The list stays in the workspace unless a step succeeds with it, and comes
  // back to it after the evaluation.
  buffers.tokens = std::move(std::get<Tokens>(tokens));
  StepResult<PostfixList> postfix = SignedPostfix(std::move(buffers.tokens), buffers.stack);
  if (auto* failure = std::get_if<Diagnostic>(&postfix))
    return MessageOutcome(*failure, hasOperator);

  StepResult<Evaluated> evaluated = EvaluatePostfix(
      std::get<PostfixList>(postfix), options.angleMode, options.mode, buffers.operands);
  buffers.tokens = std::move(std::get<PostfixList>(postfix));
  if (auto* failure = std::get_if<Diagnostic>(&evaluated))
    return MessageOutcome(*failure, hasOperator);

  const Evaluated& result = std::get<Evaluated>(evaluated);
  Outcome outcome;
  outcome.status = Status::Result;
  outcome.text = FormatResult(result.value, result.resultKind, options);
  outcome.resultKind = result.resultKind;
  outcome.hasOperator = hasOperator;
  outcome.labelledNumber = labelledNumber;
  return outcome;
}

}  // namespace tl::engine
