#pragma once
// The operand stack of the postfix evaluation: every operand is held as text.
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tl::engine {

// An entry is one number text or, once commas have joined entries, a run of
// number texts: an argument list, the texts that "a,b,c" would join. The texts
// of all entries lie in one array in stack order, so a comma only merges the
// runs of the top two entries, whatever their length. Text slots are reused as
// the stack shrinks and grows again.
class OperandStack {
 public:
  explicit OperandStack(std::size_t capacity) {
    texts_.reserve(capacity);
    starts_.reserve(capacity);
  }

  std::size_t Size() const { return starts_.size(); }

  void Push(std::string_view text) {
    starts_.push_back(used_);
    Store(text);
  }
  void Pop() {
    used_ = starts_.back();
    starts_.pop_back();
  }
  // The second-from-top entry and the top entry become one argument list.
  void Join() { starts_.pop_back(); }

  // The texts of the top entry and of the one below it.
  std::span<const std::string> Top() const { return Entry(Size() - 1); }
  std::span<const std::string> Second() const { return Entry(Size() - 2); }

  // The top entry becomes the single text `text`.
  void ReplaceTop(std::string_view text) {
    used_ = starts_.back();
    Store(text);
  }

 private:
  std::span<const std::string> Entry(std::size_t index) const {
    const std::size_t end = index + 1 < starts_.size() ? starts_[index + 1] : used_;
    return {texts_.data() + starts_[index], end - starts_[index]};
  }
  void Store(std::string_view text) {
    if (used_ == texts_.size()) {
      texts_.emplace_back(text);
    } else {
      texts_[used_].assign(text);
    }
    ++used_;
  }

  std::vector<std::string> texts_;  // texts_[0, used_) are in use
  std::size_t used_ = 0;
  std::vector<std::size_t> starts_;  // the first text of each entry
};

}  // namespace tl::engine
