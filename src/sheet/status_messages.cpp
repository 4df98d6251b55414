#include "sheet/status_messages.h"

#include "text/number_text.h"

namespace tl::sheet::msg {

std::string Elapsed(std::uint64_t milliseconds) {
  return "   [运算完成]_用时 " + text::NumberToText(static_cast<double>(milliseconds) / 1000.0) +
         " 秒";
}

std::string BatchDone(std::size_t evaluated, std::size_t failed) {
  return "   [运算完成]_已计算 " + std::to_string(evaluated) + " 行，其中 " +
         std::to_string(failed) + " 行出错";
}

std::string NotFound(std::string_view searched) {
  return "   [提示]_找不到“" + std::string(searched) + "”";
}

std::string CaretPosition(std::size_t line, std::size_t column) {
  return "   [当前位置] _ 行: " + std::to_string(line) + ",列: " + std::to_string(column);
}

}  // namespace tl::sheet::msg
