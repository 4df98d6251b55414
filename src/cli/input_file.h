#pragma once
// Reading an input, a file or standard input: whole, with an upper bound on
// its size, or piece by piece.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <istream>
#include <string>
#include <string_view>

namespace tl::cli {

struct InputBytes {
  std::string bytes;
  std::string error;  // says what failed, naming the input; empty on success
};

// Reads the file named `name` (UTF-8), or `standardInput` for "-". More than
// `limit` bytes is an error.
InputBytes ReadInput(std::string_view name, std::istream& standardInput, std::size_t limit);

// "FILE" in messages: the name as given, or "standard input" for "-".
std::string InputName(std::string_view name);

// An input read twice, piece by piece: once to learn what it holds, once to
// work through it. A regular file is read from the disk each time, whatever
// its size; standard input, and anything else that cannot be read twice, is
// read once and held, up to `heldLimit` bytes.
class InputPieces {
 public:
  InputPieces(std::string_view name, std::istream& standardInput, std::size_t heldLimit);
  // What failed, naming the input; empty while all is well.
  const std::string& Error() const { return error_; }
  // "FILE" in messages (InputName).
  std::string Name() const { return InputName(name_); }
  // The next piece; empty at the end of the input and after a failure.
  std::string_view Next();
  // Back to the start. A reading that ends with another number of bytes
  // than the first is a failure: the file changed in between.
  void Rewind();
  // Lets the input go: a file open for reading cannot be replaced everywhere.
  void Close();

 private:
  std::string name_;
  std::ifstream file_;
  InputBytes held_;
  bool isHeld_ = false;
  std::size_t heldOffset_ = 0;
  std::string buffer_;
  std::uint64_t bytesRead_ = 0;     // in this reading
  std::uint64_t firstReading_ = 0;  // bytes, once the first reading is over
  bool firstReadingOver_ = false;
  std::string error_;
};

}  // namespace tl::cli
