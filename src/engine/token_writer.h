#pragma once
// Appends tokens to a list sized in advance to the most a step can write, so
// that each token is one store instead of an out-of-line push_back (what
// ByteWriter does for bytes).
#include <cassert>
#include <cstddef>

#include "engine/tokenise.h"

namespace tl::engine {

class TokenWriter {
 public:
  // `out` is resized to `capacity`; the caller guarantees no more is written.
  TokenWriter(Tokens& out, std::size_t capacity) : out_(out) { out_.resize(capacity); }
  TokenWriter(const TokenWriter&) = delete;
  TokenWriter& operator=(const TokenWriter&) = delete;

  void Put(Token token) {
    assert(count_ < out_.size());
    out_[count_++] = token;
  }
  // Cuts the list to what was written.
  void Finish() { out_.resize(count_); }

 private:
  Tokens& out_;
  std::size_t count_ = 0;
};

}  // namespace tl::engine
