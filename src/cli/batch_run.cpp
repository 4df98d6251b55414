#include "cli/batch_run.h"

#include "sheet/worksheet.h"

namespace tl::cli {

std::size_t BatchEvaluateSheet(sheet::MemoryEditBox& box, settings::Settings& settings,
                               Progress& progress) {
  BatchHost host(box, settings.空格分式, progress);
  sheet::Worksheet worksheet(box, host, settings, sheet::WorksheetOptions{.undoHistory = false});
  worksheet.Execute(sheet::Command::BatchEvaluate);
  return host.FailedLines();
}

}  // namespace tl::cli
