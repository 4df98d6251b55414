#pragma once
// "*" and "/" typed as "×" and "÷" while 乘除替换 is on: in the worksheet and
// in the fields of the find window alike.
#include <optional>
#include <string_view>

#include "settings/settings.h"
#include "sheet/seams/keys.h"

namespace tl::sheet {

// The sign that typing `typed` enters instead, if any.
inline std::optional<std::string_view> TypedSign(Character typed,
                                                 const settings::Settings& settings) {
  if (!settings.乘除替换) return std::nullopt;
  if (typed == '*') return "×";
  if (typed == '/') return "÷";
  return std::nullopt;
}

}  // namespace tl::sheet
