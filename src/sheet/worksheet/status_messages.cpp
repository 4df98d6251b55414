#include "sheet/worksheet/status_messages.h"

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

std::string StaleResult(std::size_t line, std::string_view now, std::size_t count) {
  return "   [提示]_第 " + std::to_string(line) + " 行的结果已过期，现为 " + std::string(now) +
         "（共 " + std::to_string(count) + " 处）";
}

std::string StaleResultsNote(std::size_t count) {
  return "文件中有 " + std::to_string(count) + " 处结果已过期，按 F6 查看";
}

std::string StaleResultsInFile(std::size_t count) {
  return "   [提示]_" + StaleResultsNote(count);
}

}  // namespace tl::sheet::msg
