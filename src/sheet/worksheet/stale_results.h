#pragma once
// The written results of a whole sheet that their lines no longer give, found
// line by line as ResultChecker finds them: what "&R.检查结果" steps through
// and what the sheet is checked for once a file is opened. Finding them only
// reads the text.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"
#include "sheet/seams/host.h"

namespace tl::sheet {

struct StalePlace {
  std::size_t line = 0;    // 1-based
  std::size_t start = 0;   // the written value's first byte in the sheet text
  std::size_t length = 0;  // the written value's bytes
  std::string now;         // what the line gives now, or its failure
};

// Every stale result of `text` (GBK, CR LF), in text order.
std::vector<StalePlace> FindStaleResults(std::string_view text, const settings::Settings& settings);

// After the sheet is restored at start: when `text` holds stale results, the
// status bar says how many.
void ReportStaleResults(std::string_view text, const settings::Settings& settings, Host& host);
// After a file is opened: `opened`, what the file layer says of the file,
// behind how many stale results `text` holds when it holds any.
std::string OpenedWithStaleResults(std::string opened, std::string_view text,
                                   const settings::Settings& settings);

}  // namespace tl::sheet
