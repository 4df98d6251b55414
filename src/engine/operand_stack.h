#pragma once
// The operand stack of the postfix evaluation: every operand is a number text.
#include <span>
#include <string_view>
#include <vector>

#include "text/number_text_buffer.h"

namespace tl::engine {

// An entry is one number text or, once commas have joined entries, a run of
// number texts: an argument list, the texts that "a,b,c" would join. The texts
// of all entries lie in one array in stack order, so a comma only merges the
// runs of the top two entries, whatever their length.
//
// A text is either a typed number, kept as a view of its token (the token list
// outlives the evaluation), or a computed one, held in place. Beside each text
// lies the value it reads as, so no operation reads a text twice.
class OperandStack {
 public:
  explicit OperandStack(std::size_t capacity) {
    texts_.reserve(capacity);
    values_.reserve(capacity);
    starts_.reserve(capacity);
  }

  std::size_t Size() const { return starts_.size(); }

  // `value` is what `token` reads as.
  void PushTyped(std::string_view token, double value) {
    starts_.push_back(texts_.size());
    texts_.push_back(Text{token, {}, false});
    values_.push_back(value);
  }
  void Push(const text::NumberTextBuffer& number) {
    starts_.push_back(texts_.size());
    texts_.push_back(Text{{}, number, true});
    values_.push_back(number.Value());
  }
  void Pop() {
    texts_.resize(starts_.back());
    values_.resize(starts_.back());
    starts_.pop_back();
  }
  // The second-from-top entry and the top entry become one argument list.
  void Join() { starts_.pop_back(); }

  // How many texts the top entry and the one below it hold.
  std::size_t TopCount() const { return texts_.size() - starts_.back(); }
  std::size_t SecondCount() const { return starts_.back() - starts_[starts_.size() - 2]; }

  // The values of the top entry; the first value of the one below it.
  std::span<const double> TopValues() const { return std::span(values_).subspan(starts_.back()); }
  double SecondValue() const { return values_[starts_[starts_.size() - 2]]; }
  std::string_view TopText() const { return texts_[starts_.back()].View(); }

  // The top entry becomes the single text `number`.
  void ReplaceTop(const text::NumberTextBuffer& number) {
    Pop();
    Push(number);
  }
  // The top entry becomes its own text number `index`, unchanged.
  void ReplaceTopWithItsText(std::size_t index) {
    const std::size_t start = starts_.back();
    texts_[start] = texts_[start + index];
    values_[start] = values_[start + index];
    texts_.resize(start + 1);
    values_.resize(start + 1);
  }

 private:
  struct Text {
    std::string_view typed;
    text::NumberTextBuffer computed;
    bool isComputed;
    std::string_view View() const { return isComputed ? computed.View() : typed; }
  };

  std::vector<Text> texts_;
  std::vector<double> values_;
  std::vector<std::size_t> starts_;  // the first text of each entry
};

}  // namespace tl::engine
