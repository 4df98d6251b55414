#pragma once
// `eval`: one expression on a fresh worksheet, evaluated as Enter's short press
// starts it.
#include <string>
#include <string_view>

#include "settings/settings.h"

namespace tl::cli {

struct LineEvaluation {
  std::string line;      // the worksheet's first line afterwards (GBK)
  std::string status;    // the status bar text (GBK), empty when nothing was written
  bool written = false;  // a result was written, or a chain rebuilt with its results
};

// A worksheet holding `expression` (GBK) and CR LF, the caret at the end of the
// expression, evaluated once in Normal mode, without the after-options and the
// timing message.
LineEvaluation EvaluateExpression(std::string_view expression, const settings::Settings& settings);

}  // namespace tl::cli
