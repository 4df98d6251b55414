// `upper`: one line per NUMBER, the numeral and the amount with a TAB between.
#include <gtest/gtest.h>

#include "cli/cli_test_support.h"
#include "cli/commands.h"

namespace tl::cli {
namespace {

using testing::Invoke;
using testing::Utf8;

TEST(Upper, PrintsBothFormsPerNumber) {
  struct Row {
    const char8_t* number;
    const char8_t* line;
  };
  const Row rows[] = {
      {u8"123.45", u8"壹佰贰拾叁点肆伍\t壹佰贰拾叁元肆角伍分"},
      {u8"20000000", u8"贰仟万\t贰仟万元整"},
      {u8"100000001", u8"壹亿零壹\t壹亿零壹元整"},
      {u8"1001", u8"壹仟零壹\t壹仟零壹元整"},
      {u8"100000", u8"壹拾万\t壹拾万元整"},
      {u8"10.5", u8"壹拾点伍\t壹拾元零伍角整"},
      {u8"0.07", u8"零点零柒\t柒分"},
      {u8"10000000000000", u8"溢出\t溢出"},
      // The largest number that does not overflow: thirteen digits, the top
      // one taking the last place unit "万".
      {u8"9999999999999",
       u8"玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖\t"
       u8"玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元整"},
      // Negative numbers are numbers, not options; the text-to-number rule
      // reads the leading number and 0 when there is none.
      {u8"-3", u8"负叁\t负叁元整"},
      {u8"  12abc", u8"壹拾贰\t壹拾贰元整"},
      // Grouped as results are: the grouping characters go first.
      {u8"541，196", u8"伍拾肆万壹仟壹佰玖拾陆\t伍拾肆万壹仟壹佰玖拾陆元整"},
      {u8"数值", u8"零\t零"},
      {u8"", u8"零\t零"},
  };
  for (const Row& row : rows) {
    const testing::Invocation run = Invoke(UpperCommand, {Utf8(row.number)});
    EXPECT_EQ(run.status, kExitSuccess) << Utf8(row.number);
    EXPECT_EQ(run.out, Utf8(row.line) + "\n") << Utf8(row.number);
    EXPECT_EQ(run.err, "");
  }
  const testing::Invocation several = Invoke(UpperCommand, {"--", "3", "--5"});
  EXPECT_EQ(several.status, kExitSuccess);
  EXPECT_EQ(several.out, Utf8(u8"叁\t叁元整\n零\t零\n"));
}

TEST(Upper, UsageErrors) {
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{}, "upper: a NUMBER is required (try --help)"},
      {{"--"}, "upper: a NUMBER is required (try --help)"},
      {{"--set", "1"}, "upper: unknown option '--set' (try --help)"},
      {{"1", "2\xFF"}, "upper: NUMBER 2 is not UTF-8"},
  };
  for (const Case& c : cases) {
    const testing::Invocation run = Invoke(UpperCommand, c.args);
    EXPECT_EQ(run.status, kExitError) << c.message;
    EXPECT_EQ(run.out, "") << c.message;
    EXPECT_EQ(run.err, "tallyline-cli: " + c.message + "\n");
  }
  const testing::Invocation help = Invoke(UpperCommand, {"--help"});
  EXPECT_EQ(help.status, kExitSuccess);
  EXPECT_NE(help.out.find("upper [--] NUMBER..."), std::string::npos);
}

}  // namespace
}  // namespace tl::cli
