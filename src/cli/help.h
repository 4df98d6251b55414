#pragma once
#include <string_view>

namespace tl::cli {

// The text of `tallyline-cli --help`. A u8 literal: ordinary literals are GBK
// at run time, and the help goes to a UTF-8 terminal.
inline constexpr std::u8string_view kHelpUtf8 =
    u8R"(usage: tallyline-cli COMMAND [OPTIONS] ...
       tallyline-cli --version   (prints "tallyline-cli VERSION")

Commands:
  eval [OPTIONS] [--] EXPR...
      Evaluates each EXPR on a fresh worksheet as Enter does. Prints, per EXPR,
      the worksheet line after the evaluation, a TAB, and the status bar text.
      Exit status 1 when an EXPR wrote no result.
  run [OPTIONS] [--encoding auto|gbk|utf-8] [-o OUT | --in-place | --check]
      [FILE|-]
      Batch-evaluates a whole worksheet file (or standard input) as the
      "&F.批量运算" command does, and writes the text with its results to
      standard output, to OUT, or back to FILE (replaced in one step; on any
      failure FILE is left as it was). An OUT or FILE that is a symbolic link
      stays: the file it leads to is replaced. auto: read as the window opens
      a file: a UTF-8 byte-order mark means UTF-8; otherwise GBK unless the
      text is valid UTF-8 with a character of three or more bytes and its
      GBK reading is less plausible (plain ASCII is GBK). The output keeps
      the input's encoding, its UTF-8 byte-order mark and its LF or CR LF
      line breaks. UTF-8 with a character GBK has no form for is refused.
      Each byte 0x00 is read as a space (standard error gives the count).
      Failed lines keep their text;
      when N > 0 lines fail, standard error gets "failed lines: N" and the
      exit status is 1; a run without failures writes nothing on standard
      error.
      Inputs of more than 10,000 lines show their progress on a terminal.
      A FILE is read twice, piece by piece (once to learn its form), and
      evaluated in pieces of whole lines, in the same little memory whatever
      its size. Held in memory, up to 512 MiB: standard input, and a text
      that goes through one worksheet (with 空格分式 on, or line breaks the
      worksheet would repair: a lone CR or LF, or tabs in a text that does
      not end with a line break). Lines may hold 4 MiB.
      With 空格分式 the batch stops after 5000 steps, as the window's does;
      text left unevaluated is named on standard error (exit status 1).
      --check changes nothing: it reports every result written in the file
      that its expression no longer gives (a number edited since, an option
      changed since, a result typed by hand), one a line on standard output:
      the line number, the expression, the written value and the value it
      gives now (or its error), TAB between them; standard error gets
      "stale results: N of M" (M results checked). Exit status 1 when N > 0.
      Every value behind an "=" that a result could read is checked, in a
      chain too, as "&w.刷新行" would rebuild it.
  replay [OPTIONS] SCRIPT|-
      Runs a script of worksheet events on a fresh worksheet (see below).
  upper [--] NUMBER...
      Prints, per NUMBER, the number in Chinese upper-case numerals, a TAB,
      and the amount in words, as the window "数值转大写" shows them: the
      grouping characters , ; ， ； are removed and the leading number of
      the text is read (0 when there is none), so 123.45 gives 壹佰贰拾叁点肆伍
      and 壹佰贰拾叁元肆角伍分, and 541，196 is 541196. Exit status 2
      when no NUMBER is given.

Options (eval, run, replay):
  --config FILE       read the settings from FILE (default: the configuration
                      file under the program directory)
  --set KEY=VALUE     override one setting by its configuration key, the value
                      written as in the file (--set 运算精度设置=2); repeatable,
                      applied in order after the file
  -h, --help          show this text

Replay scripts (UTF-8, one command per line; blank lines and lines starting
with # are skipped; quoted texts take \r \n \t \\ \"; positions are GBK byte
offsets):
  set KEY VALUE         change a setting (KEY may be quoted: "按esc退出 ")
  text "T"              set the whole text (caret 0, one change notification)
  caret N               put the caret at N, nothing selected
  select START LENGTH   select LENGTH bytes from START
  type "T"              type each character: key down, character, key up of
                        the US-layout key that types it (Shift where needed);
                        characters no key types (Chinese, ×) as character
                        input alone; \n is Enter
  key NAME              press and release a key, with any of the modifiers
                        Ctrl+ Shift+ Alt+: Enter, Backspace, Delete, Space,
                        Tab, Escape, Insert, Left, Right, Up, Down, Home, End,
                        NumLock, Numpad0..Numpad9, Multiply, Add, Subtract,
                        Decimal, Divide, F1..F12, Shift, Ctrl, Alt, a letter,
                        a digit or a punctuation character (Ctrl+Z, Ctrl+5,
                        Ctrl+=). A menu shortcut (Ctrl+Z, Ctrl+V, F5, ...)
                        runs its menu command, as the window's accelerators do
  hold NAME MS          key down, MS milliseconds (the Enter hold timer fires
                        once per full 350 ms), key up
  down NAME             one key down, as a keyboard sends it: NAME is one
  up NAME               key without modifiers (Ctrl, Shift and Alt are keys
                        of their own: down Ctrl, down Z, up Ctrl, up Z), and
                        the modifier keys down at the time apply (a shortcut
                        runs its menu command); key and type take no notice
                        of them
  command "CAPTION"     run a menu command by its caption, e.g. "&F.批量运算"
  answer yes|no|cancel|ok   the answer to the next message box
  clock MS              advance the millisecond clock
  print                 print four lines: text: "T", caret: START LENGTH,
                        status: "S", clipboard: "C" (texts in UTF-8, escaped
                        as in scripts, other control bytes as \xNN)
  lbutton-down          press the left button at the caret: the worksheet
                        notes whether text is selected, the press leaves
                        nothing selected, the status bar shows the caret's
                        place (a drag: lbutton-down, select, lbutton-up)
  lbutton-up [Alt]      release the left button, with Alt or without (with
                        Alt the selection is copied below its line)
  dblclick              double-click at the caret: press, release, the
                        worksheet's double-click selection, release
  accumulator ok "OPERATION" ["NOTE"] [SEQ...]
                        the accumulator window's "确定": OPERATION is the
                        operation box's item (求和, 相乘, 平均, 最大值,
                        最小值), NOTE (quoted) the note, SEQ the sequence
                        numbers of the chosen records in list order (none:
                        every record in order); nothing chosen, nothing done
  accumulator clear     the window's "清空记录"
  accumulator list      print the records as the window lists them, one a
                        line: the expression, "=" and the result
  find "T" next|previous [case]
                        the find window's "下一个" or "上一个" with T in
                        "查找文本：" and, with case, "区分大小写" checked
  replace "T" "R" [case]            the button "替换" (R in "替换文本：")
  replace-all "T" "R" [case]        the button "替换全部"
  replace-selection "T" "R" [case]  the button "替换选中"
                        T and R are what the fields hold, as given (typing
                        rewrites do not apply), tokens #换行符 #空格符 #制表符
                        included; with T empty the buttons are disabled and
                        nothing happens
An unknown command, a malformed line or a menu command that is not built yet
stops the script with exit status 2 and names the line.

Exit status: 0 success, 1 an evaluation failed, 2 a usage or I/O error.
)";

inline std::string_view HelpText() {
  return {reinterpret_cast<const char*>(kHelpUtf8.data()), kHelpUtf8.size()};
}

}  // namespace tl::cli
