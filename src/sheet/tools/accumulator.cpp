#include "sheet/tools/accumulator.h"

#include <array>

#include "text/gbk.h"

namespace tl::sheet {

namespace {
constexpr std::array kOperations = {
    AccumulatorOperationEntry{AccumulatorOperation::Sum, "求和"},
    AccumulatorOperationEntry{AccumulatorOperation::Product, "相乘"},
    AccumulatorOperationEntry{AccumulatorOperation::Average, "平均"},
    AccumulatorOperationEntry{AccumulatorOperation::Maximum, "最大值"},
    AccumulatorOperationEntry{AccumulatorOperation::Minimum, "最小值"},
};

// How each operation writes its operands: the text before the first, between
// two, and after the last. The average's closing text also takes the count.
struct Layout {
  std::string_view open;
  std::string_view separator;
  std::string_view close;
};

Layout LayoutOf(AccumulatorOperation operation) {
  switch (operation) {
    case AccumulatorOperation::Sum:
      return {"", "+", ""};
    case AccumulatorOperation::Product:
      return {"", "×", ""};
    case AccumulatorOperation::Average:
      return {"(", "+", ")÷"};
    case AccumulatorOperation::Maximum:
      return {"max(", "，", ")"};
    case AccumulatorOperation::Minimum:
      return {"min(", "，", ")"};
  }
  return {};
}
}  // namespace

std::span<const AccumulatorOperationEntry> AccumulatorOperations() {
  return kOperations;
}

std::optional<AccumulatorOperation> AccumulatorOperationByCaption(std::string_view caption) {
  for (const AccumulatorOperationEntry& entry : kOperations) {
    if (entry.caption == caption) return entry.operation;
  }
  return std::nullopt;
}

std::string AccumulatorItemText(const AccumulatorRecord& record) {
  if (record.result.empty()) return record.expression;
  return record.expression + "=" + record.result;
}

std::string CombineResults(AccumulatorOperation operation, std::string_view note,
                           std::span<const std::string_view> results) {
  const Layout layout = LayoutOf(operation);
  std::string text(layout.open);
  // The note as typed, spaces and all, followed by one space.
  if (!text::RemoveSpaces(note).empty()) {
    text += note;
    text += ' ';
  }
  for (std::size_t i = 0; i < results.size(); ++i) {
    if (i > 0) text += layout.separator;
    text += results[i];
  }
  text += layout.close;
  if (operation == AccumulatorOperation::Average) text += std::to_string(results.size());
  return text;
}

}  // namespace tl::sheet
