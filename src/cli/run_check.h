#pragma once
// `run --check`: the results written in a worksheet file that its
// expressions no longer give, reported without changing the file.
#include <cstddef>
#include <ostream>
#include <string>

#include "cli/batch_host.h"
#include "cli/input_file.h"
#include "files/text_stream.h"
#include "settings/settings.h"

namespace tl::cli {

struct CheckTotals {
  std::size_t checked = 0;  // written results
  std::size_t stale = 0;
  std::string error;  // a failure of the input; empty when it was read through
};

// Reads the input (its second reading) line by line and writes to `report`,
// in UTF-8, one line per stale result: the line number, the expression, the
// written value and what the expression gives now (or its failure), TAB
// between them.
CheckTotals CheckResults(InputPieces& input, const files::FileForm& form,
                         const settings::Settings& settings, Progress& progress,
                         std::ostream& report);

}  // namespace tl::cli
