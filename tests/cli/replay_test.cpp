// Worksheet scenarios as replay scripts with the output they print.
#include <gtest/gtest.h>

#include "cli/cli_test_support.h"
#include "cli/commands.h"
#include "cli/print_quote.h"
#include "sheet/worksheet.h"

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
status: ""
clipboard: "abc"
)"},
    {"batch evaluation",
     u8R"(text "1+1\r\n2×3\r\n5÷2"
command "&F.批量运算"
print
)",
     u8R"(text: "1+1=2\r\n2×3=6\r\n5÷2=2.5"
caret: 1 0
status: "   [运算完成]_已计算 3 行，其中 0 行出错"
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
    {"F6 selects each result its line no longer gives, then starts over",
     u8R"(text "1+1=2\r\n2*3=7\r\n4+4=8\r\n5-1=3"
command "&R.检查结果"
print
key F6
print
key F6
print
)",
     u8R"(text: "1+1=2\r\n2*3=7\r\n4+4=8\r\n5-1=3"
caret: 11 1
status: "   [提示]_第 2 行的结果已过期，现为 6（共 2 处）"
clipboard: ""
text: "1+1=2\r\n2*3=7\r\n4+4=8\r\n5-1=3"
caret: 25 1
status: "   [提示]_第 4 行的结果已过期，现为 4（共 2 处）"
clipboard: ""
text: "1+1=2\r\n2*3=7\r\n4+4=8\r\n5-1=3"
caret: 11 1
status: "   [提示]_第 2 行的结果已过期，现为 6（共 2 处）"
clipboard: ""
)"},
    {"F6 on a sheet whose results hold says so and leaves the line alone",
     u8R"(text "1+1=2\r\n2×3=6  总计"
caret 3
key F6
print
)",
     u8R"(text: "1+1=2\r\n2×3=6  总计"
caret: 3 0
status: "   [提示]_所有结果都与算式相符"
clipboard: ""
)"},
    {"F6 names the failure of a line that no longer gives a value",
     u8R"(text "5\r\n1÷0=5"
key F6
print
)",
     u8R"(text: "5\r\n1÷0=5"
caret: 8 1
status: "   [提示]_第 2 行的结果已过期，现为 除法运算错误！（共 1 处）"
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
    {"a digit behind a converted fraction starts a line",
     u8R"(type "2/3"
key End
command "&F.分数转换"
type "7/3"
print
)",
     u8R"(text: "2÷3=2∟3\r\n7÷3=2.333333333333"
caret: 15 0
status: "   [提示]_表达式已刷新！"
clipboard: ""
)"},
    {"a refresh records nothing new; the accumulator's line goes below the last line",
     u8R"(set 动态刷新 假
command "&A.记录"
text "1+1\r\n120+80"
caret 3
key Enter
key Down
key End
key Enter
key Left
key Enter
key F5
accumulator list
accumulator ok "求和"
print
)",
     u8R"(1+1=2
120+80=200
text: "1+1=2\r\n120+80=200\r\n2+200=202"
caret: 28 0
status: "   [提示]_ 输入完毕按“回车键”计算!"
clipboard: ""
)"},
    {"a batch counts its lines; a search without a match says so",
     u8R"(text "1+1\r\n1/0\r\n\r\n5\r\n2×3=6"
command "&F.批量运算"
print
find "7" next
print
)",
     u8R"(text: "1+1=2\r\n1/0\r\n\r\n5\r\n2×3=6"
caret: 1 0
status: "   [运算完成]_已计算 3 行，其中 1 行出错"
clipboard: ""
text: "1+1=2\r\n1/0\r\n\r\n5\r\n2×3=6"
caret: 0 0
status: "   [提示]_找不到“7”"
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

TEST(Replay, SixUndosInLiveModeGoBackSixStepsWhicheverKeyGoesUpFirst) {
  for (const std::string release : {"up Ctrl\nup Z\n", "up Z\nup Ctrl\n"}) {
    std::string script = "type \"1+2\\n3*4\\n\"\n";
    for (int undo = 0; undo < 6; ++undo) script += "down Ctrl\ndown Z\n" + release;
    const testing::Invocation run = Invoke(ReplayCommand, {"-"}, script + "print\n");
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "text: \"1+\"") << release;
  }
}

TEST(Replay, StopsAtTheFirstBadLineAndNamesIt) {
  struct Case {
    std::string script;
    std::string message;
  };
  const Case cases[] = {
      {"print\nbogus\nprint\n", "line 2: unknown command 'bogus'"},
      {"type \"abc\n", "line 1: unterminated quoted text"},
      {Utf8(u8"command \"&P.打印\"\n"),
       Utf8(u8"line 1: the menu command \"&P.打印\" is not built yet")},
      {"command \"nothing\"\n", "line 1: no menu command has the caption \"nothing\""},
      {"key Hyper+Q\n", "line 1: unknown key 'Hyper+Q'"},
      {"hold Enter soon\n", "line 1: 'soon' is not a number"},
      {"down Ctrl+Z\n",
       "line 1: 'Ctrl+Z' is not one key (Ctrl, Shift and Alt go down and up by themselves)"},
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

std::string WithFolder(std::string script, const std::string& folder) {
  for (std::size_t p = script.find("DIR"); p != std::string::npos; p = script.find("DIR", p))
    script.replace(p, 3, folder);
  return script;
}

// The file menu: the document's own commands, with the paths the file dialog
// is given.
TEST(Replay, FilesComeBackAsTheyWere) {
  const struct {
    const char* name;
    std::string file;  // a.txt before the script
    const char8_t* script;
    std::string saved;  // b.txt after the script
  } cases[] = {
      {"a GBK sheet edited and saved is GBK", "\xD0\xA1 1+1=2\r\n",
       u8"open \"DIR/a.txt\"\ntype \"合计\"\nsave-as \"DIR/b.txt\"\n",
       "\xBA\xCF\xBC\xC6\xD0\xA1 1+1=2\r\n"},
      {"a GBK 3脳2 is never multiplied", "3\xC3\x97\x32",
       u8"set 动态刷新 假\nopen \"DIR/a.txt\"\nkey End\nkey Enter\nkey Ctrl+S\n"
       u8"save-as \"DIR/b.txt\"\n",
       "3\xC3\x97\x32"},  // a label between two numbers: refused
      {"undo after Open never shows the sheet before it", "1+1=2",
       u8"text \"9*9\"\nanswer no\nopen \"DIR/a.txt\"\nkey Ctrl+Z\nkey Ctrl+Z\nkey Ctrl+S\n"
       u8"save-as \"DIR/b.txt\"\n",
       "1+1=2"},
      {"undo after New neither", "",
       u8"text \"9*9\"\nanswer no\ncommand \"&N.新建\"\nkey Ctrl+Z\nsave \"DIR/b.txt\"\n",
       sheet::EmptySheetText()},
      {"a 0x00 byte is read as a space", std::string("1+1=2\0\x33*3\r\n\x1A", 12),
       u8"open \"DIR/a.txt\"\nsave-as \"DIR/b.txt\"\n", "1+1=2 3*3\r\n\x1A"},
  };
  for (const auto& c : cases) {
    testing::ScratchFolder folder;
    if (!c.file.empty()) testing::WriteFile(folder / "a.txt", c.file);
    const testing::Invocation run = testing::Invoke(
        ReplayCommand, {"-"}, WithFolder(Utf8(c.script), folder.path().generic_string()));
    EXPECT_EQ(run.status, kExitSuccess) << c.name << ": " << run.err;
    EXPECT_EQ(testing::ReadFile(folder / "b.txt"), c.saved) << c.name;
  }
}

}  // namespace
}  // namespace tl::cli
