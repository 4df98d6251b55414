// Replay scripts for the mouse at the caret, the accumulator and find
// windows' buttons, and NumLock as a delete key, with the output they print.
#include <gtest/gtest.h>

#include "cli/cli_test_support.h"

namespace tl::cli {
namespace {

using testing::Utf8;

const testing::ReplayScenario kScenarios[] = {
    {"double-clicks select a number, a signed number, an operator, the line",
     u8R"(set 动态刷新 假
text "12-3.57×-5\r\nx\r\n"
caret 7
dblclick
print
set 双击复制 假
caret 11
dblclick
print
caret 9
dblclick
print
dblclick
print
)",
     u8R"(text: "12-3.57×-5\r\nx\r\n"
caret: 3 4
status: "   [当前位置] _ 行: 1,列: 8"
clipboard: "3.57"
text: "12-3.57×-5\r\nx\r\n"
caret: 9 2
status: "   [当前位置] _ 行: 1,列: 12"
clipboard: "3.57"
text: "12-3.57×-5\r\nx\r\n"
caret: 7 2
status: "   [当前位置] _ 行: 1,列: 10"
clipboard: "3.57"
text: "12-3.57×-5\r\nx\r\n"
caret: 0 11
status: "   [当前位置] _ 行: 1,列: 8"
clipboard: "3.57"
)"},
    {"a press leaves nothing selected; a drag released with Alt copies below",
     u8R"(set 动态刷新 假
text "1+2\r\nx\r\n"
select 2 3
lbutton-down
print
select 0 3
lbutton-up
print
lbutton-up Alt
print
)",
     u8R"(text: "1+2\r\nx\r\n"
caret: 2 0
status: "   [当前位置] _ 行: 1,列: 3"
clipboard: ""
text: "1+2\r\nx\r\n"
caret: 0 3
status: "   [当前位置] _ 行: 1,列: 3"
clipboard: ""
text: "1+2\r\n1+2\r\nx\r\n"
caret: 8 0
status: "   [提示]_ 输入完毕按“回车键”计算!"
clipboard: ""
)"},
    {"the accumulator's operations, notes, chosen records and clearing",
     u8R"(set 动态刷新 假
command "&A.记录"
text "1+1\r\n1+2\r\n2+2\r\n"
key End
key Enter
key Down
key End
key Enter
key Down
key End
key Enter
command "&A.记录"
accumulator list
accumulator ok "相乘"
accumulator ok "平均" 1 2 3
accumulator ok "最大值" "" 3 1 2
accumulator ok "最小值"
accumulator ok "求和" "小计" 1 2
accumulator ok "求和" "  " 2 3
print
answer cancel
command "&O.清空累加器"
accumulator list
accumulator clear
accumulator list
accumulator ok "求和"
print
)",
     u8R"(1+1=2
1+2=3
2+2=4
text: "1+1=2\r\n1+2=3\r\n2+2=4\r\n2×3×4=24\r\n(2+3+4)÷3=3\r\nmax(4，2，3)=4\r\nmin(2，3，4)=2\r\n小计 2+3=5\r\n3+4=7\r\n"
caret: 96 0
status: "   [提示]_ 输入完毕按“回车键”计算!"
clipboard: ""
1+1=2
1+2=3
2+2=4
text: "1+1=2\r\n1+2=3\r\n2+2=4\r\n2×3×4=24\r\n(2+3+4)÷3=3\r\nmax(4，2，3)=4\r\nmin(2，3，4)=2\r\n小计 2+3=5\r\n3+4=7\r\n"
caret: 96 0
status: "   [提示]_ 输入完毕按“回车键”计算!"
clipboard: ""
)"},
    {"find: after the selection, backward, case, tokens, the wrap to the top",
     u8R"(text "abc 1 ABC 1\r\na b"
caret 4
find "1" next
find "1" next
print
find "abc" previous case
print
find "ABC" next case
# no later match: the search starts again at byte 1 and, ignoring case,
# finds ABC once more
find "abc" next
print
find "a#空格符b" next
print
# abc at byte 0 is not found from byte 1: the first three bytes stay selected,
# and the status bar says nothing was found
find "abc" next case
print
find "" next
print
)",
     u8R"(text: "abc 1 ABC 1\r\na b"
caret: 10 1
status: ""
clipboard: ""
text: "abc 1 ABC 1\r\na b"
caret: 0 3
status: ""
clipboard: ""
text: "abc 1 ABC 1\r\na b"
caret: 6 3
status: ""
clipboard: ""
text: "abc 1 ABC 1\r\na b"
caret: 13 3
status: ""
clipboard: ""
text: "abc 1 ABC 1\r\na b"
caret: 0 3
status: "   [提示]_找不到“abc”"
clipboard: ""
text: "abc 1 ABC 1\r\na b"
caret: 0 3
status: "   [提示]_找不到“abc”"
clipboard: ""
)"},
    {"F3 and Shift+F3 search again with the remembered text, in live mode too",
     u8R"(text "x1 y1 z1"
find "1" next
key F3
key F3
print
key Shift+F3
command "&P.查找上一个"
print
)",
     u8R"(text: "x1 y1 z1"
caret: 7 1
status: ""
clipboard: ""
text: "x1 y1 z1"
caret: 1 1
status: ""
clipboard: ""
)"},
    {"replace, replace all, replace in the selection",
     u8R"(text "1-1-1"
caret 0
replace "1" "2"
print
replace "1" "3"
print
text "1×2×3"
caret 4
replace-all "×" "*"
print
text "a1a1a1"
select 1 4
replace-selection "1" "#换行符"
print
select 0 2
replace-selection "z" "y"
print
replace-all "" "x"
print
)",
     u8R"(text: "2-1-1"
caret: 1 0
status: ""
clipboard: ""
text: "2-3-1"
caret: 3 0
status: ""
clipboard: ""
text: "1*2*3"
caret: 0 0
status: ""
clipboard: ""
text: "a\r\na\r\na1"
caret: 7 0
status: ""
clipboard: ""
text: "a\r\na\r\na1"
caret: 2 0
status: ""
clipboard: ""
text: "a\r\na\r\na1"
caret: 2 0
status: ""
clipboard: ""
)"},
    {"NumLock deletes the character before the caret or the selection",
     u8R"(set 动态刷新 假
text "123合"
caret 5
key NumLock
print
key NumLock
select 0 1
key NumLock
print
)",
     u8R"(text: "123"
caret: 3 0
status: "   [提示]_ 输入完毕按“回车键”计算!"
clipboard: ""
text: "2"
caret: 0 0
status: "   [提示]_ 输入完毕按“回车键”计算!"
clipboard: ""
)"},
};

TEST(ReplayTools, Scenarios) {
  for (const testing::ReplayScenario& s : kScenarios) testing::ExpectReplayPrints(s);
}

TEST(ReplayTools, MalformedCommandsStopTheScript) {
  struct Case {
    const char8_t* script;
    const char8_t* message;
  };
  const Case cases[] = {
      {u8"dblclick 1\n", u8"dblclick takes 0 arguments"},
      {u8"lbutton-up Alt Alt\n", u8"lbutton-up takes 0 or 1 arguments"},
      {u8"lbutton-up Shift\n", u8"lbutton-up takes Alt or nothing, not 'Shift'"},
      {u8"accumulator\n", u8"accumulator takes at least 1 argument"},
      {u8"accumulator open\n", u8"accumulator takes ok, clear or list, not 'open'"},
      {u8"accumulator list all\n", u8"accumulator list takes 0 arguments"},
      {u8"accumulator ok\n", u8"accumulator ok takes an operation"},
      {u8"accumulator ok \"累加\"\n", u8"accumulator ok: no operation has the caption '累加'"},
      {u8"accumulator ok 求和 \"a\" \"b\"\n", u8"'b' is not a number"},
      {u8"accumulator ok 求和 1\n", u8"no record has the sequence number 1"},
      {u8"find \"1\"\n", u8"find takes 2 or 3 arguments"},
      {u8"find \"1\" up\n", u8"find takes next or previous, not 'up'"},
      {u8"find \"1\" next CASE\n", u8"expected case or nothing, not 'CASE'"},
      {u8"replace-all \"1\" \"2\" \"case\"\n", u8"expected case or nothing, not 'case'"},
      {u8"replace-selection \"1\" \"2\" case 3\n", u8"replace-selection takes 2 or 3 arguments"},
  };
  for (const Case& c : cases) {
    testing::ExpectReplayStops(Utf8(c.script), "line 1: " + Utf8(c.message));
  }
  // A record can be chosen once only, as the window's list 2 holds it once.
  testing::ExpectReplayStops(Utf8(u8"set 动态刷新 假\ncommand \"&A.记录\"\ntype \"1+1\\n\"\n"
                                  u8"accumulator ok 求和 1 1\n"),
                             "line 4: record 1 is chosen twice");
}

}  // namespace
}  // namespace tl::cli
