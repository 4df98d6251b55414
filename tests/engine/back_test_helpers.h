#pragma once
// Running whole expressions through the engine in the back-half tests.
#include <string>
#include <string_view>

#include "engine/engine.h"

namespace tl::engine {

// The result text or the message of one evaluation.
inline std::string ResultOf(std::string_view expr, const Options& options = {}) {
  return Evaluate(expr, options).text;
}

inline Options WithAngleMode(AngleMode angleMode) {
  Options options;
  options.angleMode = angleMode;
  return options;
}

// An expression and what it gives: the result text or the one message.
struct ExprCase {
  std::string expr;
  std::string expected;
};

}  // namespace tl::engine
