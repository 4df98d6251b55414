#include "engine/postfix.h"

#include <string_view>
#include <vector>

#include "engine/list_functions.h"
#include "engine/messages.h"
#include "engine/token_kinds.h"
#include "engine/unary_functions.h"

namespace tl::engine {

namespace {

// Tokens that wait on the operator stack for their operand: "~" and the named
// functions of both tables.
bool IsPrefixFunction(std::string_view token) {
  if (token.empty()) return false;
  if (token[0] == '~') return token.size() == 1;
  if (!IsLetter(token[0])) return false;
  return FindOneArgumentFunction(token) != nullptr || FindListFunction(token) != nullptr;
}

class Converter {
 public:
  explicit Converter(std::size_t size) {
    output_.reserve(size + 1);
    stack_.reserve(size);
  }

  // Moves the top of the operator stack to the output.
  void PopToOutput() {
    output_.push_back(stack_.back());
    stack_.pop_back();
  }
  void PopWhileTop(std::string_view operators) {
    while (!stack_.empty() && IsOneOf(stack_.back(), operators)) PopToOutput();
  }
  // A function leaves the stack as soon as its operand is complete.
  void PopCompletedFunctions() {
    while (!stack_.empty() && IsPrefixFunction(stack_.back())) PopToOutput();
  }

  void Number(std::string_view token) {
    output_.push_back(token);
    PopCompletedFunctions();
  }
  void AddOrSubtract(std::string_view token) {
    while (!stack_.empty() && stack_.back() != "(" && stack_.back() != ",") PopToOutput();
    stack_.push_back(token);
  }
  bool Comma() {
    if (stack_.empty()) return false;
    while (stack_.back() != "(" && stack_.back() != ",") {
      if (stack_.size() == 1) return false;
      PopToOutput();
    }
    stack_.push_back(",");
    return true;
  }
  void CloseBracket() {
    while (!stack_.empty() && stack_.back() != "(") PopToOutput();
    if (!stack_.empty()) stack_.pop_back();
    PopCompletedFunctions();
  }
  void Push(std::string_view token) { stack_.push_back(token); }
  void Append(std::string_view token) { output_.push_back(token); }

  PostfixList Finish() {
    while (!stack_.empty()) PopToOutput();
    output_.push_back(kEndMarker);
    return std::move(output_);
  }

 private:
  PostfixList output_;
  std::vector<std::string_view> stack_;  // views of the input tokens
};

}  // namespace

StepResult<PostfixList> ToPostfix(const TokenViews& signedTokens) {
  Converter converter(signedTokens.size());
  for (const std::string_view token : signedTokens) {
    if (token == kEndMarker) break;
    if (IsPrefixFunction(token) || token == "(") {
      converter.Push(token);
    } else if (IsPostfixOperator(token)) {
      converter.Append(token);
    } else if (IsNumberToken(token)) {
      converter.Number(token);
    } else if (token == "+" || token == "-") {
      converter.AddOrSubtract(token);
    } else if (IsOneOf(token, "*@\\")) {
      converter.PopWhileTop("*@\\^|");
      converter.Push(token);
    } else if (IsOneOf(token, "^|")) {
      converter.PopWhileTop("^|");
      converter.Push(token);
    } else if (token == ",") {
      if (!converter.Comma()) return Diagnostic{std::string(msg::kCommaPosition)};
    } else if (token == ")") {
      converter.CloseBracket();
    }
  }
  return converter.Finish();
}

StepResult<PostfixList> ToPostfix(const TokenList& signedTokens) {
  return ToPostfix(TokenViews(signedTokens.begin(), signedTokens.end()));
}

}  // namespace tl::engine
