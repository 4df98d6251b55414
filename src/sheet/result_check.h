#pragma once
// Whether the results written in a worksheet line still hold. Every value
// written behind an "=" is set against what the chain before it gives now,
// rebuilt as `refresh line` rebuilds it (the same options, the same rules):
// a number edited since, an option changed since (运算精度设置, 角度制选中),
// a result typed by hand all show. Only a text a result could read counts as
// a written value (shown_value.h); the expression after the last value is
// not evaluated.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"

namespace tl::sheet {

struct StaleResult {
  std::string expression;  // the line (or with 空格分式 its expression) up to the "="
  std::string written;     // the value behind the "="
  // The value the expression gives now, or when it gives none the message
  // of its failure (without the leading spaces).
  std::string now;
  std::size_t column = 0;  // where the written value starts in the line
};

class ResultChecker {
 public:
  explicit ResultChecker(const settings::Settings& settings);
  ~ResultChecker();
  ResultChecker(const ResultChecker&) = delete;
  ResultChecker& operator=(const ResultChecker&) = delete;

  // The written results of `line` (GBK, without its line break) that no
  // longer hold, in the order they stand. A chain whose expression now fails
  // is reported at its first failing value only.
  std::vector<StaleResult> Check(std::string_view line);
  // Written results checked so far.
  std::size_t Checked() const { return checked_; }

 private:
  struct Sheet;
  enum class Rebuilt { Value, NoValue, Failure };
  // `chainStart`: where the chain starts in its line.
  void CheckChain(std::string_view chain, std::size_t chainStart, std::vector<StaleResult>& stale);
  // Rebuilds a chain that ends with a written value; `now` is the value it
  // ends with then, or the failure.
  Rebuilt Rebuild(std::string_view upToValue, std::string& now);
  settings::Settings settings_;
  std::unique_ptr<Sheet> sheet_;
  std::size_t checked_ = 0;
};

}  // namespace tl::sheet
