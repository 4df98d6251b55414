#pragma once
// Texts in replay output: UTF-8 in double quotes, with the escapes replay
// scripts take (\r \n \t \\ \") and \xNN for any other control byte.
#include <string>
#include <string_view>

namespace tl::cli {

// `gbk` converted to UTF-8, escaped and quoted.
std::string QuoteForPrint(std::string_view gbk);

}  // namespace tl::cli
