#pragma once
// `run`'s evaluation: "&F.批量运算" over a whole worksheet text.
#include <cstddef>

#include "cli/batch_host.h"
#include "settings/settings.h"
#include "sheet/memory_edit_box.h"

namespace tl::cli {

// Batch-evaluates the box's text in a worksheet made without undo history and
// returns the number of lines that failed.
std::size_t BatchEvaluateSheet(sheet::MemoryEditBox& box, settings::Settings& settings,
                               Progress& progress);

}  // namespace tl::cli
