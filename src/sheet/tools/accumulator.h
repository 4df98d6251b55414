#pragma once
// The accumulator: the results recorded while "&A.记录" is checked, and the
// expression texts its window builds from the records a user has chosen.
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tl::sheet {

// One result recorded while "&A.记录" is checked.
struct AccumulatorRecord {
  int sequence = 0;
  std::string expression;
  std::string result;  // without "="
  bool operator==(const AccumulatorRecord&) const = default;
};

// The items of the window's operation box, in box order.
enum class AccumulatorOperation { Sum, Product, Average, Maximum, Minimum };

struct AccumulatorOperationEntry {
  AccumulatorOperation operation;
  std::string_view caption;  // "求和", "相乘", "平均", "最大值", "最小值"
};
std::span<const AccumulatorOperationEntry> AccumulatorOperations();
std::optional<AccumulatorOperation> AccumulatorOperationByCaption(std::string_view caption);

// A record as its list item shows it: the expression, then "=" and the
// result when there is one.
std::string AccumulatorItemText(const AccumulatorRecord& record);

// The expression that combines `results` (at least one) by `operation`, with
// the note in front of the first result: «小计 2+3», «(2+3+4)÷3»,
// «max(2，3，4)». A note made only of spaces is left out.
std::string CombineResults(AccumulatorOperation operation, std::string_view note,
                           std::span<const std::string_view> results);

}  // namespace tl::sheet
