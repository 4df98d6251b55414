// "&F.分数转换": the shown result of the caret's line in its next form
// (decimal, fraction, mixed number, decimal ...). The check pass removes the
// shown result and detects its form, the apply pass evaluates the line again
// in the next form.
#include "sheet/worksheet/worksheet.h"

namespace tl::sheet {

void Worksheet::ConvertFraction() {
  evaluationMode_ = engine::EvaluationMode::ConversionCheck;
  if (EvaluateCurrentLine()) {
    evaluationMode_ = engine::EvaluationMode::ConversionApply;
    EvaluateCurrentLine();
  }
  // Back to Normal even after a failed pass, so that no later evaluation
  // (live refresh, batch, refresh) runs as a conversion.
  evaluationMode_ = engine::EvaluationMode::Normal;
}

}  // namespace tl::sheet
