#pragma once
#include <cstddef>

namespace tl::cli {

// The most that tallyline-cli holds in memory at once: a replay script, an
// input it cannot read twice (standard input), or a text `run` evaluates in
// one worksheet (held with room for its results, about one and a quarter
// times its size). Beyond this an input is refused with a message rather than
// risk running out of memory. Files evaluated in pieces have no such bound.
inline constexpr std::size_t kMaxInputBytes = std::size_t{512} << 20;

// Inputs of more lines than this show their progress on a terminal.
inline constexpr std::size_t kProgressLines = 10000;

}  // namespace tl::cli
