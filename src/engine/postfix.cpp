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

// What a token does in the conversion, found once for each token.
enum class Role {
  End,             // " "
  Function,        // a prefix function: "~" or a name of either table
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

Role RoleOf(std::string_view token) {
  if (token.empty()) return Role::Ignored;
  if (IsDigit(token[0]) || token[0] == '.') return Role::Number;
  if (token.size() == 1) {
    switch (token[0]) {
      case ' ':
        return Role::End;
      case '~':
        return Role::Function;
      case '(':
        return Role::OpenBracket;
      case '!':
      case '%':
        return Role::Postfix;
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
  if (IsPrefixFunction(token)) return Role::Function;
  if (IsPostfixOperator(token)) return Role::Postfix;
  if (IsNumberToken(token)) return Role::Number;  // a signed number
  return Role::Ignored;
}

class Converter {
 public:
  explicit Converter(std::size_t size) {
    output_.reserve(size + 1);
    stack_.reserve(size);
  }

  // Moves the top of the operator stack to the output.
  void PopToOutput() {
    output_.push_back(stack_.back().token);
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

  void Number(std::string_view token) {
    output_.push_back(token);
    PopCompletedFunctions();
  }
  void AddOrSubtract(std::string_view token) {
    while (!stack_.empty() && !TopOpensList()) PopToOutput();
    Push(token, Role::AddOrSubtract);
  }
  bool Comma(std::string_view token) {
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
  void Push(std::string_view token, Role role) { stack_.push_back({token, role}); }
  void Append(std::string_view token) { output_.push_back(token); }

  PostfixList Finish() {
    while (!stack_.empty()) PopToOutput();
    output_.push_back(kEndMarker);
    return std::move(output_);
  }

 private:
  struct Waiting {
    std::string_view token;  // a view of the input token
    Role role;
  };

  // "(" and "," end what "+", "-" and "," take off the stack.
  bool TopOpensList() const {
    return stack_.back().role == Role::OpenBracket || stack_.back().role == Role::Comma;
  }

  PostfixList output_;
  std::vector<Waiting> stack_;
};

}  // namespace

StepResult<PostfixList> ToPostfix(const TokenViews& signedTokens) {
  Converter converter(signedTokens.size());
  for (const std::string_view token : signedTokens) {
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
  return ToPostfix(TokenViews(signedTokens.begin(), signedTokens.end()));
}

}  // namespace tl::engine
