#include "engine/postfix.h"

#include <string_view>
#include <vector>

#include "engine/function_table.h"
#include "engine/messages.h"
#include "engine/token_class.h"

namespace tl::engine {

namespace {

// Writes the postfix order over the signed tokens it reads: every token goes
// to the output at most once and only after it has been read, so the output
// never reaches a token not yet read.
class Converter {
 public:
  // The stack never holds more than every token: `stack` only grows, and its
  // slots are written over.
  Converter(Tokens& tokens, Tokens& stack) : tokens_(tokens), stack_(stack, tokens.size()) {}

  // Moves the top of the operator stack to the output.
  void PopToOutput() {
    Output(stack_.back());
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
    Output(token);
    PopCompletedFunctions();
  }
  void AddOrSubtract(const Token& token) {
    while (!stack_.empty() && !TopOpensList()) PopToOutput();
    Push(token);
  }
  bool Comma(const Token& token) {
    if (stack_.empty()) return false;
    while (!TopOpensList()) {
      if (stack_.size() == 1) return false;
      PopToOutput();
    }
    Push(token);
    return true;
  }
  void CloseBracket() {
    while (!stack_.empty() && stack_.back().role != Role::OpenBracket) PopToOutput();
    if (!stack_.empty()) stack_.pop_back();
    PopCompletedFunctions();
  }
  // The stack holds copies: a token's place in the list may be written over.
  void Push(const Token& token) { stack_.push_back(token); }
  void Output(const Token& token) { tokens_[written_++] = token; }

  PostfixList Finish() {
    while (!stack_.empty()) PopToOutput();
    tokens_.resize(written_);
    tokens_.push_back(kEndToken);
    return std::move(tokens_);
  }

 private:
  // "(" and "," end what "+", "-" and "," take off the stack.
  bool TopOpensList() const {
    return stack_.back().role == Role::OpenBracket || stack_.back().role == Role::Comma;
  }

  // The operators waiting, in storage sized once for the whole list.
  class Stack {
   public:
    Stack(Tokens& storage, std::size_t most) {
      if (storage.size() < most) storage.resize(most);
      slots_ = storage.data();
    }
    bool empty() const { return depth_ == 0; }
    std::size_t size() const { return depth_; }
    const Token& back() const { return slots_[depth_ - 1]; }
    void pop_back() { --depth_; }
    void push_back(const Token& token) { slots_[depth_++] = token; }

   private:
    Token* slots_ = nullptr;
    std::size_t depth_ = 0;
  };

  Tokens& tokens_;
  std::size_t written_ = 0;
  Stack stack_;
};

// The conversion's loop; with `kMarkSigns` it marks the signs as MarkSigns
// does while it reads, so the tokens are walked once. A sign is decided on
// the tokens as read: the one after it has not been written over yet, since
// the output never passes the token being read.
template <bool kMarkSigns>
StepResult<PostfixList> Convert(Tokens&& tokens, Tokens& stack) {
  Converter converter(tokens, stack);
  bool afterOpening = true;  // the first token counts as following an opening
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    const Token* token = &tokens[i];
    if constexpr (kMarkSigns) {
      const bool isSign = IsSign(tokens, i, afterOpening);
      afterOpening = token->opensOperand;
      if (isSign) {
        if (token->text == "+") continue;
        token = &SignMinusToken();
      }
    }
    switch (token->role) {
      case Role::End:
        return converter.Finish();
      case Role::Function:
      case Role::OpenBracket:
        converter.Push(*token);
        break;
      case Role::Postfix:
        converter.Output(*token);
        break;
      case Role::Number:
        converter.Number(*token);
        break;
      case Role::AddOrSubtract:
        converter.AddOrSubtract(*token);
        break;
      case Role::Multiplicative:
        converter.PopWhileTopIs(Role::Multiplicative, Role::PowerOrRoot);
        converter.Push(*token);
        break;
      case Role::PowerOrRoot:
        converter.PopWhileTopIs(Role::PowerOrRoot, Role::PowerOrRoot);
        converter.Push(*token);
        break;
      case Role::Comma:
        if (!converter.Comma(*token)) return Diagnostic{std::string(msg::kCommaPosition)};
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

}  // namespace

StepResult<PostfixList> ToPostfix(Tokens&& signedTokens, Tokens& stack) {
  return Convert<false>(std::move(signedTokens), stack);
}

StepResult<PostfixList> SignedPostfix(Tokens&& tokens, Tokens& stack) {
  return Convert<true>(std::move(tokens), stack);
}

StepResult<PostfixList> ToPostfix(Tokens&& signedTokens) {
  Tokens stack;
  return ToPostfix(std::move(signedTokens), stack);
}

StepResult<PostfixList> ToPostfix(const TokenList& signedTokens) {
  return ToPostfix(TokensOf(signedTokens));
}

}  // namespace tl::engine
