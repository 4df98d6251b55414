#pragma once
// Reading a pipeline step's outcome in the engine's front-half tests.
#include <string>
#include <variant>

#include "engine/diagnostic.h"

namespace tl::engine {

// The diagnostic's message, or empty when the step succeeded.
template <class T>
std::string MessageOf(const StepResult<T>& result) {
  const auto* diagnostic = std::get_if<Diagnostic>(&result);
  return diagnostic ? diagnostic->message : std::string();
}

}  // namespace tl::engine
