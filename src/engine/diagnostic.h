#pragma once
// A failed step of the pipeline: the one status message it reports.
#include <string>
#include <variant>

namespace tl::engine {

struct Diagnostic {
  std::string message;
  bool unrecognised = false;  // the unrecognised-character case
};

// Either a step's value or its diagnostic.
template <class T>
using StepResult = std::variant<T, Diagnostic>;

}  // namespace tl::engine
