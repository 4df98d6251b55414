#pragma once
#include <string_view>

namespace tl::cli {

// The text of `tallyline-cli --help` (UTF-8).
inline constexpr std::string_view kHelp = R"(usage: tallyline-cli COMMAND [OPTIONS] ...

Commands:
  eval [OPTIONS] [--] EXPR...
      Evaluates each EXPR on a fresh worksheet as Enter does. Prints, per EXPR,
      the worksheet line after the evaluation, a TAB, and the status bar text.
  run [OPTIONS] [--encoding auto|gbk|utf-8] [-o OUT | --in-place] [FILE|-]
      Batch-evaluates a whole worksheet file (or standard input) and writes the
      text with its results to standard output, to OUT, or back to FILE.
      auto: valid UTF-8 is read as UTF-8, anything else as GBK; the output keeps
      the input's encoding and line breaks. Failed lines keep their text; their
      count goes to standard error.
  replay [OPTIONS] SCRIPT|-
      Runs a script of worksheet events on a fresh worksheet (see below).
  upper NUMBER...
      Prints, per NUMBER, the Chinese upper-case numeral form, a TAB, and the
      amount form.

Options:
  --config FILE       read the settings from FILE (default: the configuration
                      file under the program directory)
  --set KEY=VALUE     override one setting by its configuration key, the value
                      written as in the file; repeatable, applied in order
  -h, --help          show this text

Replay scripts (UTF-8, one command per line; blank lines and lines starting
with # are skipped; quoted texts take \r \n \t \\ \"; positions are GBK byte
offsets):
  set KEY VALUE         change a setting (KEY may be quoted)
  text "T"              set the whole text (caret 0)
  caret N               put the caret at N
  select START LENGTH   select LENGTH bytes from START
  type "T"              type each character as key down, character, key up
  key NAME              press and release a key: Enter, Ctrl+Enter, F5,
                        Backspace, Delete, Space, Tab, Left, Right, Up, Down,
                        Home, End, NumLock, Numpad0..Numpad9, Ctrl+A..Ctrl+Z,
                        Ctrl+0..Ctrl+9, Shift, Ctrl, Alt, ...
  hold Enter MS         hold Enter for MS milliseconds
  command "CAPTION"     run a menu command by its caption, e.g. "&F.批量运算"
  answer yes|no|cancel|ok   the answer to the next message box
  clock MS              advance the millisecond clock
  print                 print text, caret, status and clipboard

Exit status: 0 success, 1 an evaluation failed, 2 a usage or I/O error.
)";

}  // namespace tl::cli
