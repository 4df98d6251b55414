#pragma once
// Reading a whole input, a file or standard input, with an upper bound on its
// size.
#include <cstddef>
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

}  // namespace tl::cli
