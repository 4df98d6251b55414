#pragma once
// The program's version, "MAJOR.MINOR.PATCH": the project version of the top
// CMakeLists.txt, which also gives the file's version resource its numbers.
#include <string_view>

namespace tl::sheet {

std::string_view Version();

}  // namespace tl::sheet
