// Worksheet scenarios as replay scripts with the output they print.
#include <gtest/gtest.h>

#include "cli/cli_test_support.h"
#include "cli/commands.h"
#include "cli/print_quote.h"

namespace tl::cli {
namespace {

using testing::Invoke;
using testing::Utf8;

const testing::ReplayScenario kScenarios[] = {
    {"live mode shows the result while typing",
     u8R"(type "1+2"
print
type "×3"
print
)",
     u8R"(text: "1+2=3"
caret: 3 0
status: "   [提示]_表达式已刷新！"
clipboard: ""
text: "1+2×3=7"
caret: 6 0
status: "   [提示]_表达式已刷新！"
clipboard: ""
)"},
    {"Enter evaluates and times",
     u8R"(set 动态刷新 假
type "1+2"
key Enter
print
)",
     u8R"(text: "1+2=3"
caret: 5 0
status: "   [运算完成]_用时 0 秒"
clipboard: ""
)"},
    {"a long press breaks the line twice",
     u8R"(set 动态刷新 假
text "1+2\r\n"
caret 3
hold Enter 400
print
)",
     u8R"(text: "1+2\r\n\r\n\r\n"
caret: 7 0
status: "   [提示]_ 输入完毕按“回车键”计算!"
clipboard: ""
)"},
    {"with 回车换行 Ctrl+Enter evaluates",
     u8R"(set 动态刷新 假
set 回车换行 真
type "1+2"
key Enter
key Up
key End
key Ctrl+Enter
print
)",
     u8R"(text: "1+2=3\r\n"
caret: 5 0
status: "   [运算完成]_用时 0 秒"
clipboard: ""
)"},
    {"Ctrl+digit sets the decimals; \"/\" is shown as \"÷\"",
     u8R"(set 动态刷新 假
key Ctrl+5
type "10/3\n"
print
)",
     u8R"(text: "10÷3=3.33333"
caret: 13 0
status: "   [运算完成]_用时 0 秒"
clipboard: ""
)"},
    {"Ctrl+Z and Ctrl+Y go through the menu",
     u8R"(set 动态刷新 假
type "12"
key Ctrl+Z
print
key Ctrl+Y
print
)",
     u8R"(text: "1"
caret: 1 0
status: "   [提示]_ 输入完毕按“回车键”计算!"
clipboard: ""
text: "12"
caret: 2 0
status: "   [提示]_ 输入完毕按“回车键”计算!"
clipboard: ""
)"},
    {"Ctrl+E copies compatibly while that item is shown, else repairs the line breaks",
     u8R"(set 动态刷新 假
text "2×3\n4"
key Ctrl+E
print
set 乘除替换 假
key Ctrl+E
print
)",
     u8R"(text: "2×3\n4"
caret: 0 0
status: "   [提示]_ 输入完毕按“回车键”计算!"
clipboard: "2*3\n4"
text: "2×3\r\n4"
caret: 0 0
status: "   [提示]_ 输入完毕按“回车键”计算!"
clipboard: "2*3\n4"
)"},
    {"results to the clipboard, pasted",
     u8R"(set 动态刷新 假
set 结果到粘贴板 真
type "6*7\n"
key Ctrl+V
print
)",
     u8R"(text: "6×7=4242"
caret: 9 0
status: "   [提示]_ 输入完毕按“回车键”计算!"
clipboard: "42"
)"},
    {"select all, cut, paste twice",
     u8R"(text "abc"
key Ctrl+A
key Ctrl+X
print
key Ctrl+V
key Ctrl+V
print
)",
     u8R"(text: ""
caret: 0 0
status: ""
clipboard: "abc"
text: "abcabc"
caret: 6 0
status: "   [表达式错误]_有不可识别的字符！"
clipboard: "abc"
)"},
    {"batch evaluation",
     u8R"(text "1+1\r\n2×3\r\n5÷2"
command "&F.批量运算"
print
)",
     u8R"(text: "1+1=2\r\n2×3=6\r\n5÷2=2.5"
caret: 1 0
status: "   [提示]_表达式已刷新！"
clipboard: ""
)"},
    {"F5 refreshes a chain",
     u8R"(text "1+25+3=6+1+2+3=12"
caret 5
key F5
print
)",
     u8R"(text: "1+25+3=29+1+2+3=35"
caret: 18 0
status: "   [提示]_表达式已刷新！"
clipboard: ""
)"},
    {"a digit behind a finished result starts a line",
     u8R"(set 动态刷新 假
text "1+2=3\r\n"
caret 5
type "7"
print
)",
     u8R"(text: "1+2=3\r\n7\r\n"
caret: 8 0
status: "   [提示]_ 输入完毕按“回车键”计算!"
clipboard: ""
)"},
    {"digits typed behind a result are never joined across a label",
     u8R"(type "3+4"
key End
type "单价3×数量4"
print
)",
     u8R"(text: "3+4=7单价3×数量4"
caret: 17 0
status: "   [表达式错误]_缺少必要的运算符！"
clipboard: ""
)"},
    {"Chinese typed, then edited with keys",
     u8R"(set 动态刷新 假
type "合计1+1"
key Backspace
key Left
key Shift+Home
print
key Delete
print
)",
     u8R"(text: "合计1+"
caret: 0 5
status: "   [提示]_ 输入完毕按“回车键”计算!"
clipboard: ""
text: "+"
caret: 0 0
status: "   [提示]_ 输入完毕按“回车键”计算!"
clipboard: ""
)"},
    {"comments, blank lines, quoted keys and escapes",
     u8R"(# a comment

set "按esc退出 " 真
text "a\t\"b\"\\"
select 1 2
print
)",
     u8R"(text: "a\t\"b\"\\"
caret: 1 2
status: ""
clipboard: ""
)"},
};

TEST(Replay, Scenarios) {
  for (const testing::ReplayScenario& s : kScenarios) testing::ExpectReplayPrints(s);
}

TEST(Replay, StopsAtTheFirstBadLineAndNamesIt) {
  struct Case {
    std::string script;
    std::string message;
  };
  const Case cases[] = {
      {"print\nbogus\nprint\n", "line 2: unknown command 'bogus'"},
      {"type \"abc\n", "line 1: unterminated quoted text"},
      {Utf8(u8"command \"&N.新建\"\n"),
       Utf8(u8"line 1: the menu command \"&N.新建\" is not built yet")},
      {"command \"nothing\"\n", "line 1: no menu command has the caption \"nothing\""},
      {"key Hyper+Q\n", "line 1: unknown key 'Hyper+Q'"},
      {"hold Enter soon\n", "line 1: 'soon' is not a number"},
      {"set nokey 1\n", "line 1: unknown setting 'nokey'"},
      {"caret -1\n", "line 1: '-1' is not a number"},
      {"select 1\n", "line 1: select takes 2 arguments"},
      {"print now\n", "line 1: print takes 0 arguments"},
      {"\"print\"\n", "line 1: unknown command 'print'"},
      {"answer maybe\n", "line 1: answer takes yes, no, cancel or ok, not 'maybe'"},
      {"print\n\xFF\n", "line 2: not UTF-8"},
  };
  for (const Case& c : cases) testing::ExpectReplayStops(c.script, c.message);
  // What came before the bad line has run.
  EXPECT_EQ(Invoke(ReplayCommand, {"-"}, cases[0].script).out,
            "text: \"\"\ncaret: 0 0\nstatus: \"\"\nclipboard: \"\"\n");
}

TEST(Replay, ReadsScriptFilesAndOptions) {
  const testing::ScratchFolder folder;
  const std::filesystem::path script = folder / "script.txt";
  testing::WriteFile(script, "set 动态刷新 假\r\ntype \"2/3\\n\"\r\nprint\r\n");  // GBK: not UTF-8
  testing::Invocation run = Invoke(ReplayCommand, {script.string()});
  EXPECT_EQ(run.status, kExitError);
  EXPECT_EQ(run.err, "tallyline-cli: replay: '" + script.string() + "' line 1: not UTF-8\n");

  testing::WriteFile(script, Utf8(u8"type \"2/3\\n\"\r\nprint\r\n"));
  run = Invoke(ReplayCommand, {"--set", Utf8(u8"动态刷新=假"), "--set", Utf8(u8"运算精度设置=3"),
                               script.string()});
  EXPECT_EQ(run.status, kExitSuccess) << run.err;
  EXPECT_EQ(run.out, Utf8(u8"text: \"2÷3=0.667\"\ncaret: 10 0\nstatus: \"   [运算完成]_用时 0 "
                          u8"秒\"\nclipboard: \"\"\n"));

  for (const std::vector<std::string>& args :
       {std::vector<std::string>{}, {"a", "b"}, {"--bogus", "-"}, {(folder / "none").string()}}) {
    EXPECT_EQ(Invoke(ReplayCommand, args).status, kExitError);
  }
}

TEST(Replay, QuotesPrintedTexts) {
  EXPECT_EQ(QuoteForPrint("a\r\n\t\\\"b\x01\x7F"), "\"a\\r\\n\\t\\\\\\\"b\\x01\\x7F\"");
  EXPECT_EQ(QuoteForPrint("合计"), Utf8(u8"\"合计\""));
}

}  // namespace
}  // namespace tl::cli
