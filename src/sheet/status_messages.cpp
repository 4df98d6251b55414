#include "sheet/status_messages.h"

#include "text/number_text.h"

namespace tl::sheet::msg {

std::string Elapsed(std::uint64_t milliseconds) {
  return "   [运算完成]_用时 " + text::NumberToText(static_cast<double>(milliseconds) / 1000.0) +
         " 秒";
}

std::string CaretPosition(std::size_t line, std::size_t column) {
  return "   [当前位置] _ 行: " + std::to_string(line) + ",列: " + std::to_string(column);
}

}  // namespace tl::sheet::msg
