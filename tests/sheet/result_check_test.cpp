#include "sheet/result_check.h"

#include <gtest/gtest.h>

namespace tl::sheet {
namespace {

using Configure = void (*)(settings::Settings&);

void Defaults(settings::Settings&) {}

TEST(ResultCheck, ReportsTheWrittenValuesThatNoLongerHold) {
  const struct {
    std::string_view line;
    Configure configure;
    std::vector<StaleResult> stale;
    std::size_t checked;
  } cases[] = {
      {"1+1=2", Defaults, {}, 1},
      {"1+1=3", Defaults, {{"1+1", "3", "2", 4}}, 1},
      {"1 + 2 = 4 ", Defaults, {{"1 + 2", "4", "3", 8}}, 1},
      {"1+2=4+4=8", Defaults, {{"1+2", "4", "3", 4}, {"1+2=4+4", "8", "7", 8}}, 2},
      {"1+2=5+4", Defaults, {{"1+2", "5", "3", 4}}, 1},  // the continuation is not evaluated
      {"1÷0=5", Defaults, {{"1÷0", "5", "[运算错误]_除法运算错误！", 5}}, 1},
      {"1+×=5=6", Defaults, {{"1+×", "5", "[表达式错误]_请检查操作符前后是否缺少操作数！", 5}}, 1},
      {"2^70=1.180591620717×10^021", Defaults, {}, 1},
      {"1∟2+1∟4=3∟4", [](settings::Settings& s) { s.分数类型 = 1; }, {}, 1},
      {"1÷3=0.333333333333",
       [](settings::Settings& s) { s.运算精度设置 = 2; },
       {{"1÷3", "0.333333333333", "0.33", 5}},
       1},
      {"sin(30)=0.5",
       [](settings::Settings& s) { s.角度制选中 = 2; },
       {{"sin(30)", "0.5", "-0.988031624093", 8}},
       1},
      {"1000×2=2,000", [](settings::Settings& s) { s.逗号千分割 = 2; }, {}, 1},
      {"1+1=2  2+2=5",
       [](settings::Settings& s) { s.空格分式 = true; },
       {{"2+2", "5", "4", 11}},
       2},
      // No written value: no number, a number no result could read, no
      // expression before it, a bare number before it.
      {"1+1", Defaults, {}, 0},
      {"3=1.5.5", Defaults, {}, 0},
      {"1000×2=2,000", Defaults, {}, 0},
      {"=5", Defaults, {}, 0},
      {"3=4", Defaults, {}, 0},
  };
  for (const auto& c : cases) {
    settings::Settings settings;
    c.configure(settings);
    ResultChecker checker(settings);
    const std::vector<StaleResult> stale = checker.Check(c.line);
    ASSERT_EQ(stale.size(), c.stale.size()) << c.line;
    for (std::size_t i = 0; i < stale.size(); ++i) {
      EXPECT_EQ(stale[i].expression, c.stale[i].expression) << c.line;
      EXPECT_EQ(stale[i].written, c.stale[i].written) << c.line;
      EXPECT_EQ(stale[i].now, c.stale[i].now) << c.line;
      EXPECT_EQ(stale[i].column, c.stale[i].column) << c.line;
    }
    EXPECT_EQ(checker.Checked(), c.checked) << c.line;
  }
}

}  // namespace
}  // namespace tl::sheet
