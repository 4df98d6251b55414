#include "cli/eval_command.h"

#include <gtest/gtest.h>

#include "cli/cli_test_support.h"
#include "cli/commands.h"

namespace tl::cli {
namespace {

using testing::Invoke;
using testing::Utf8;

TEST(EvalCommand, EvaluatesEachExpressionOnAFreshWorksheet) {
  struct Case {
    std::string expression;  // GBK
    std::string line;
    std::string status;
    bool written;
  };
  const Case cases[] = {
      {"1+2", "1+2=3", "   [提示]_表达式已刷新！", true},
      {"12+3", "12+3=15", "   [提示]_表达式已刷新！", true},
      {"1+2=", "1+2=3", "   [提示]_表达式已刷新！", true},
      {"2×3÷4", "2×3÷4=1.5", "   [提示]_表达式已刷新！", true},
      {"1+", "1+", "   [表达式错误]_请检查操作符前后是否缺少操作数！", false},
      {"5", "5", "   [提示]_没有检测到操作符，请继续输入！", false},
      {"", "", "", false},
      // A chain whose last part is a value is rebuilt.
      {"1+1=5", "1+1=2", "   [提示]_表达式已刷新！", true},
      {"1+2=3+×=5", "1+2=3+×=5", "   [提示]_刷新失败,表达式有错误！", false},
  };
  const settings::Settings defaults;
  for (const Case& c : cases) {
    const LineEvaluation result = EvaluateExpression(c.expression, defaults);
    EXPECT_EQ(result.line, c.line) << c.expression;
    EXPECT_EQ(result.status, c.status) << c.expression;
    EXPECT_EQ(result.written, c.written) << c.expression;
  }
}

TEST(EvalCommand, PrintsLineTabStatusAndTellsFailures) {
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string out;
  };
  const Case cases[] = {
      {{"1+1", Utf8(u8"2×3")},
       kExitSuccess,
       Utf8(u8"1+1=2\t   [提示]_表达式已刷新！\n2×3=6\t   [提示]_表达式已刷新！\n")},
      {{"-5+3", "1+"},
       kExitEvaluationFailed,
       Utf8(u8"-5+3=-2\t   [提示]_表达式已刷新！\n1+\t   "
            u8"[表达式错误]_请检查操作符前后是否缺少操作数！\n")},
      {{"--set", Utf8(u8"运算精度设置=3"), "--", "1/3"},
       kExitSuccess,
       Utf8(u8"1/3=0.333\t   [提示]_表达式已刷新！\n")},
      {{"--set", Utf8(u8"动态刷新=假"), "1+1"},
       kExitSuccess,
       Utf8(u8"1+1=2\t   [提示]_ 输入完毕按“回车键”计算!\n")},
  };
  for (const Case& c : cases) {
    const testing::Invocation run = Invoke(EvalCommand, c.args);
    EXPECT_EQ(run.status, c.status) << c.args.back();
    EXPECT_EQ(run.out, c.out) << c.args.back();
    EXPECT_EQ(run.err, "") << c.args.back();
  }
}

TEST(EvalCommand, RefusesBadArguments) {
  const std::vector<std::string> cases[] = {{}, {"--set"}, {"--frobnicate", "1+1"}, {"--"}};
  for (const auto& args : cases) {
    const testing::Invocation run = Invoke(EvalCommand, args);
    EXPECT_EQ(run.status, kExitError);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with("tallyline-cli: eval: ")) << run.err;
  }
}

}  // namespace
}  // namespace tl::cli
