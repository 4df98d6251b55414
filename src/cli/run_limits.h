#pragma once
#include <cstddef>

namespace tl::cli {

// The largest input `run` takes. The worksheet keeps the text in memory with
// room to grow, about two and a half times its size at the peak; beyond this
// an input is refused with a message rather than risk running out of memory.
inline constexpr std::size_t kMaxInputBytes = std::size_t{512} << 20;

// Inputs of more lines than this show their progress on a terminal.
inline constexpr std::size_t kProgressLines = 10000;

}  // namespace tl::cli
