#pragma once
// The operand stack of the postfix evaluation: every operand is a number text.
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
  OperandStack() = default;
  explicit OperandStack(std::size_t capacity) { Reset(capacity); }

  // Empty, with room for `capacity` texts; the storage is kept.
  void Reset(std::size_t capacity) {
    texts_.clear();
    starts_.clear();
    texts_.reserve(capacity);
    starts_.reserve(capacity);
  }

  std::size_t Size() const { return starts_.size(); }

  // `value` is what `token` reads as.
  void PushTyped(std::string_view token, double value) {
    starts_.push_back(texts_.size());
    texts_.emplace_back(token, value);
  }
  // The number text of `result`.
  void Push(double result) {
    starts_.push_back(texts_.size());
    texts_.emplace_back(result);
  }
  void Pop() {
    Truncate(starts_.back());
    starts_.pop_back();
  }
  // The second-from-top entry and the top entry become one argument list.
  void Join() { starts_.pop_back(); }

  // How many texts the top entry and the one below it hold.
  std::size_t TopCount() const { return texts_.size() - starts_.back(); }
  std::size_t SecondCount() const { return starts_.back() - starts_[starts_.size() - 2]; }

  // The value of text `index` of the top entry; the first value of the one
  // below it.
  double TopValue(std::size_t index = 0) const { return texts_[starts_.back() + index].value; }
  double SecondValue() const { return texts_[starts_[starts_.size() - 2]].value; }
  std::string_view TopText() const { return texts_[starts_.back()].View(); }

  // The top entry becomes the single number text of `result`.
  void ReplaceTop(double result) {
    const std::size_t start = starts_.back();
    Truncate(start + 1);
    texts_[start] = Text(result);
  }
  // The top two entries, one text each, become the single number text of
  // `result`.
  void ReplaceTopTwo(double result) {
    starts_.pop_back();
    texts_.pop_back();
    texts_.back() = Text(result);
  }
  // The top entry becomes its own text number `index`, unchanged.
  void ReplaceTopWithItsText(std::size_t index) {
    const std::size_t start = starts_.back();
    texts_[start] = texts_[start + index];
    Truncate(start + 1);
  }

 private:
  void Truncate(std::size_t size) {
    texts_.erase(texts_.begin() + static_cast<std::ptrdiff_t>(size), texts_.end());
  }

  struct Text {
    Text(std::string_view token, double tokenValue) : typed(token), value(tokenValue) {}
    explicit Text(double result) : computed(result), value(computed.Value()) {}
    std::string_view View() const { return typed.data() ? typed : computed.View(); }

    std::string_view typed;  // a typed number's token; no data for a computed text
    text::NumberTextBuffer computed;
    double value;
  };

  std::vector<Text> texts_;
  std::vector<std::size_t> starts_;  // the first text of each entry
};

}  // namespace tl::engine
