#pragma once
// Appends bytes to a string sized in advance to the most a step can write, so
// that the per-byte work is one store instead of an out-of-line push_back.
#include <cassert>
#include <cstddef>
#include <string>
#include <string_view>

namespace tl::engine {

class ByteWriter {
 public:
  // `out` is resized to `capacity`; the caller guarantees no more is written.
  ByteWriter(std::string& out, std::size_t capacity) : out_(out) {
    out_.resize(capacity);
    begin_ = end_ = out_.data();
    limit_ = begin_ + capacity;
  }
  ByteWriter(const ByteWriter&) = delete;
  ByteWriter& operator=(const ByteWriter&) = delete;

  void Put(char c) {
    assert(end_ < limit_);
    *end_++ = c;
  }
  void Put(std::string_view bytes) {
    for (const char c : bytes) Put(c);
  }
  // How many bytes were written.
  std::size_t Size() const { return static_cast<std::size_t>(end_ - begin_); }
  // The last byte written, or 0 when nothing was.
  char Back() const { return end_ == begin_ ? '\0' : end_[-1]; }
  // Cuts the string to what was written.
  void Finish() { out_.resize(static_cast<std::size_t>(end_ - begin_)); }

 private:
  std::string& out_;
  char* begin_;
  char* end_;
  char* limit_;
};

}  // namespace tl::engine
