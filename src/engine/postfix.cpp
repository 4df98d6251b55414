#include "engine/postfix.h"

#include <string_view>
#include <vector>

#include "engine/function_table.h"
#include "engine/messages.h"
#include "engine/token_kinds.h"
#include "engine/token_writer.h"

namespace tl::engine {

namespace {

// What a token does in the conversion, found once for each token.
enum class Role {
  End,             // " "
  Function,        // a function that waits for the operand after it: "~", "sin", "max"
  OpenBracket,     // "("
  Postfix,         // "!", "%", "‰"
  Number,          // typed, a constant's text, or signed ("-5")
  AddOrSubtract,   // "+", "-"
  Multiplicative,  // "*", "@", "\"
  PowerOrRoot,     // "^", "|"
  Comma,           // ","
  CloseBracket,    // ")"
  Ignored,         // anything else is dropped
};

Role RoleOf(const Token& resolved) {
  if (resolved.function)
    return resolved.function->kind == FunctionKind::Postfix ? Role::Postfix : Role::Function;
  const std::string_view token = resolved.text;
  if (token.empty()) return Role::Ignored;
  if (IsDigit(token[0]) || token[0] == '.') return Role::Number;
  if (token.size() == 1) {
    switch (token[0]) {
      case ' ':
        return Role::End;
      case '(':
        return Role::OpenBracket;
      case '+':
      case '-':
        return Role::AddOrSubtract;
      case '*':
      case '@':
      case '\\':
        return Role::Multiplicative;
      case '^':
      case '|':
        return Role::PowerOrRoot;
      case ',':
        return Role::Comma;
      case ')':
        return Role::CloseBracket;
      default:
        break;
    }
  }
  if (IsNumberToken(token)) return Role::Number;  // a signed number
  return Role::Ignored;
}

class Converter {
 public:
  // Every token at most once, and the end marker.
  explicit Converter(std::size_t size) : output_(list_, size + 1) { stack_.reserve(size); }

  // Moves the top of the operator stack to the output.
  void PopToOutput() {
    output_.Put(*stack_.back().token);
    stack_.pop_back();
  }
  void PopWhileTopIs(Role role, Role other) {
    while (!stack_.empty() && (stack_.back().role == role || stack_.back().role == other)) {
      PopToOutput();
    }
  }
  // A function leaves the stack as soon as its operand is complete.
  void PopCompletedFunctions() {
    while (!stack_.empty() && stack_.back().role == Role::Function) PopToOutput();
  }

  void Number(const Token& token) {
    output_.Put(token);
    PopCompletedFunctions();
  }
  void AddOrSubtract(const Token& token) {
    while (!stack_.empty() && !TopOpensList()) PopToOutput();
    Push(token, Role::AddOrSubtract);
  }
  bool Comma(const Token& token) {
    if (stack_.empty()) return false;
    while (!TopOpensList()) {
      if (stack_.size() == 1) return false;
      PopToOutput();
    }
    Push(token, Role::Comma);
    return true;
  }
  void CloseBracket() {
    while (!stack_.empty() && stack_.back().role != Role::OpenBracket) PopToOutput();
    if (!stack_.empty()) stack_.pop_back();
    PopCompletedFunctions();
  }
  void Push(const Token& token, Role role) { stack_.push_back({&token, role}); }
  void Append(const Token& token) { output_.Put(token); }

  PostfixList Finish() {
    while (!stack_.empty()) PopToOutput();
    output_.Put({kEndMarker});
    output_.Finish();
    return std::move(list_);
  }

 private:
  struct Waiting {
    const Token* token;  // in the signed token list
    Role role;
  };

  // "(" and "," end what "+", "-" and "," take off the stack.
  bool TopOpensList() const {
    return stack_.back().role == Role::OpenBracket || stack_.back().role == Role::Comma;
  }

  PostfixList list_;
  TokenWriter output_;
  std::vector<Waiting> stack_;
};

}  // namespace

StepResult<PostfixList> ToPostfix(const Tokens& signedTokens) {
  Converter converter(signedTokens.size());
  for (const Token& token : signedTokens) {
    const Role role = RoleOf(token);
    switch (role) {
      case Role::End:
        return converter.Finish();
      case Role::Function:
      case Role::OpenBracket:
        converter.Push(token, role);
        break;
      case Role::Postfix:
        converter.Append(token);
        break;
      case Role::Number:
        converter.Number(token);
        break;
      case Role::AddOrSubtract:
        converter.AddOrSubtract(token);
        break;
      case Role::Multiplicative:
        converter.PopWhileTopIs(Role::Multiplicative, Role::PowerOrRoot);
        converter.Push(token, role);
        break;
      case Role::PowerOrRoot:
        converter.PopWhileTopIs(Role::PowerOrRoot, Role::PowerOrRoot);
        converter.Push(token, role);
        break;
      case Role::Comma:
        if (!converter.Comma(token)) return Diagnostic{std::string(msg::kCommaPosition)};
        break;
      case Role::CloseBracket:
        converter.CloseBracket();
        break;
      case Role::Ignored:
        break;
    }
  }
  return converter.Finish();
}

StepResult<PostfixList> ToPostfix(const TokenList& signedTokens) {
  return ToPostfix(TokensOf(signedTokens));
}

}  // namespace tl::engine
