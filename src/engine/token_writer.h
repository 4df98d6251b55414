#pragma once
// Appends tokens to a list sized in advance, so that each token is one store
// and one comparison instead of an out-of-line push_back (what ByteWriter
// does for bytes). The list grows only when a step writes more than was
// foreseen.
#include <cstddef>

#include "engine/tokenise.h"

namespace tl::engine {

class TokenWriter {
 public:
  // `out` is resized to `capacity`, the number of tokens foreseen.
  TokenWriter(Tokens& out, std::size_t capacity) : out_(out) { Resize(capacity); }
  TokenWriter(const TokenWriter&) = delete;
  TokenWriter& operator=(const TokenWriter&) = delete;

  void Put(const Token& token) {
    if (end_ == limit_) [[unlikely]]
      Resize(2 * out_.size() + 1);
    // Field by field: a token is mostly made just before, its flags one byte
    // at a time, and a copy of the whole would read those bytes back as wide
    // words, which waits until every byte store has completed.
    Token& slot = *end_++;
    slot.text = token.text;
    slot.function = token.function;
    slot.role = token.role;
    slot.opensOperand = token.opensOperand;
    slot.startsOperand = token.startsOperand;
    slot.point = token.point;
    slot.bar = token.bar;
    slot.valued = token.valued;
    slot.value = token.value;
  }
  // Cuts the list to what was written.
  void Finish() { out_.resize(Written()); }

 private:
  std::size_t Written() const { return static_cast<std::size_t>(end_ - begin_); }
  void Resize(std::size_t capacity) {
    const std::size_t written = Written();
    out_.resize(capacity);
    begin_ = out_.data();
    end_ = begin_ + written;
    limit_ = begin_ + capacity;
  }

  Tokens& out_;
  Token* begin_ = nullptr;
  Token* end_ = nullptr;
  Token* limit_ = nullptr;
};

}  // namespace tl::engine
