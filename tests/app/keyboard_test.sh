#!/usr/bin/env bash
# Real keyboard input: X key events from xdotool reach the edit control
# through Wine as a person's typing would; the save at exit writes the sheet
# to the content backup and the caret to 起始选择位置, which are checked.
# Ctrl+S asks for a name in the dialog "保存：", where the name is typed and
# Enter saves the sheet; Ctrl+Q then ends the program without a question.
#   keyboard_test.sh TALLYLINE_EXE BUILD_DIR SHEET_PROBE_EXE
set -euo pipefail
exe=$1
build=$2
probe_exe=$(realpath "$3")
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=harness.sh
source "$here/harness.sh"
work_folder
[ -n "${DISPLAY:-}" ] || start_display
take_prefix "$(realpath "$build")" wineprefix-keyboard

run_folder="$work/Tallyline运行文件"
backup="$run_folder/Tallyline备份文件.txt"
configuration="$run_folder/Tallyline配置文件.ini"

# Ctrl+S, the name typed into the dialog "保存：", Enter.
save_as_sheet() {
  chord ctrl s
  focused_window '保存：' >/dev/null || { echo "Ctrl+S showed no dialog titled 保存："; exit 1; }
  sleep 0.5
  xdotool type --delay 40 "Z:${work//\//\\}\\sheet"
  xdotool key --delay 80 Return
  for _ in $(seq 50); do [ -f "$work/sheet.txt" ] && break; sleep 0.2; done
  [ -f "$work/sheet.txt" ] || { echo "the dialog saved no sheet.txt"; exit 1; }
  xdotool windowfocus --sync "$window"
}

# start LIVE [MORE]: starts the program with 动态刷新=LIVE (真 or 假) and 退出保存
# on, and the configuration lines MORE (printf %b escapes), and clicks into
# the top of the sheet.
start() {
  local live=$1
  rm -rf "${work:?}"/*
  program_folder "$work" "$exe" "[运行设置]\r\n退出设置=1\r\n动态刷新=$live\r\n[其他设置]\r\n退出保存=真\r\n${2:-}"
  wine "$work/tallyline.exe" &
  program_pid=$!
  window=$(focused_window Tallyline) || { echo "no Tallyline window appeared"; exit 1; }
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove $((X + 100)) $((Y + 60)) click 1
  sleep 0.5
  chord ctrl Home
}

# wait_for_exit: true when the program ended within 20 seconds.
wait_for_exit() {
  for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || return 0; sleep 0.2; done
  return 1
}

# quit: Ctrl+Q, answering "否" when the program asks whether to save the
# changed sheet.
quit() {
  chord ctrl q 1
  if kill -0 "$program_pid" 2>/dev/null && focused_window 询问 >/dev/null; then xdotool key n; fi
}

# session LIVE KEYS...: starts the program, sends each KEYS argument to
# xdotool ("type TEXT" or "key ..." words; "save" saves through the dialog),
# then quits.
session() {
  start "$1"
  shift
  for step in "$@"; do
    if [ "$step" = save ]; then
      save_as_sheet
    else
      # shellcheck disable=SC2086
      xdotool ${step%% *} --delay 80 ${step#* }
    fi
    sleep 0.2
  done
  sleep 0.5
  quit
  wait_for_exit || true
  [ -f "$backup" ] || { echo "the save at exit wrote no content backup"; exit 1; }
}

# expect_lines WHAT LINE...: the backup's first lines, as UTF-8.
expect_lines() {
  local what=$1
  shift
  local found
  found=$(iconv -f GBK -t UTF-8 "$backup" | tr -d '\r' | head -n $#)
  local wanted
  wanted=$(printf '%s\n' "$@")
  if [ "$found" != "${wanted%$'\n'}" ]; then
    echo "$what: expected the lines '$*', found: $(echo "$found" | tr '\n' '|')"
    exit 1
  fi
}

session 假 "type 1+2" "key Return" save
expect_lines "Enter" "1+2=3"
cmp -s "$work/sheet.txt" "$backup" ||
  { echo "the saved sheet differs from the sheet the program kept at exit"; exit 1; }
echo "keyboard test: 1+2 and Enter gave 1+2=3, saved through the dialog as sheet.txt"

# Live mode: Ctrl+3 shortens the result and the caret stays behind it (at
# byte 10 of "2÷3=0.667"); Shift+Right then selects one character, which
# survives the key release, and Ctrl+C copies just it to a new line.
session 真 "type 2/3" "key End" "key ctrl+3" \
  "key Home" "key shift+Right" "key ctrl+c" "key End" "key Return" "key ctrl+v"
expect_lines "live mode" "2÷3=0.667" "2"
session 真 "type 2/3" "key End" "key ctrl+3"
caret=$(iconv -f GBK -t UTF-8 "$configuration" | tr -d '\r' | sed -n 's/^起始选择位置=//p')
[ "$caret" = 10 ] || { echo "after Ctrl+3 the caret should stay at 10, found $caret"; exit 1; }
echo "keyboard test: live mode keeps the caret behind a shortened result and the selection"

# Undo in live mode: the release of Z after Ctrl+Z (Ctrl let go first, as
# xdotool's ctrl+z does, or last) writes no result back, so six undos go back
# six steps.
undo_ctrl_first=() undo_z_first=()
for _ in 1 2 3 4 5 6; do
  undo_ctrl_first+=("key ctrl+z")
  undo_z_first+=("keydown ctrl key z keyup ctrl")
done
session 真 "type 1+2" "key Return" "type 3*4" "key Return" "${undo_ctrl_first[@]}"
expect_lines "undo with Ctrl released first" "1+"
session 真 "type 1+2" "key Return" "type 3*4" "key Return" "${undo_z_first[@]}"
expect_lines "undo with Z released first" "1+"
echo "keyboard test: six undos in live mode go back six steps, whichever key goes up first"

# The sheet cannot be saved at exit (a folder stands where the backup goes):
# Ctrl+Q asks; Esc goes back to the sheet; with the folder gone, Enter
# (try again) saves and exits. With TALLYLINE_SHOTS=DIR the question's picture
# goes to DIR/save-failed.png.
start 假
xdotool type --delay 80 "1+1"
xdotool key Return
mkdir "$backup"
quit
failed=$(focused_window 保存失败) || { echo "no question when the sheet could not be saved"; exit 1; }
if [ -n "${TALLYLINE_SHOTS:-}" ]; then
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$failed")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$TALLYLINE_SHOTS/save-failed.png"
fi
xdotool key Escape
sleep 1
kill -0 "$program_pid" 2>/dev/null || { echo "Esc on the question ended the program"; exit 1; }
xdotool windowfocus --sync "$window"
quit
focused_window 保存失败 >/dev/null || { echo "no question at the second Ctrl+Q"; exit 1; }
rmdir "$backup"
xdotool key Return
wait_for_exit || { echo "Enter on the question did not save and exit"; exit 1; }
expect_lines "retry at exit" "1+1=2"
echo "keyboard test: a failed save at exit asks; Esc goes back, Enter tries again"

# On a new sheet Enter and two Down keys put the caret on line 3, which the
# status bar's second part shows. The full-screen key F1 from the keyboard
# toggles full screen (the title and the bars go) and opens no help, though
# the menu has F1 for help. A window moved by the X server comes back there
# at the next start.
start 假 '[热键设置]\r\n全屏快捷键=真\r\n'
xdotool key --delay 80 Return Down Down
sleep 0.5
place=$(wine "$probe_exe" status | tr -d '\r' | sed -n 2p)
[ "$place" = "行: 3,列: 1" ] || { echo "after Enter, Down, Down the status bar showed '$place'"; exit 1; }
xdotool key F1
sleep 1
[ -z "$(xdotool getwindowname "$window")" ] || { echo "F1 did not switch to full screen"; exit 1; }
[ -z "$(xdotool search --onlyvisible --name '^帮助$' 2>/dev/null || true)" ] ||
  { echo "the full-screen key F1 opened the help"; exit 1; }
xdotool key F1
sleep 1
[ "$(xdotool getwindowname "$window")" = Tallyline ] || { echo "F1 again kept full screen"; exit 1; }
xdotool windowmove "$window" 200 150
sleep 1
quit
wait_for_exit || { echo "the program did not end"; exit 1; }
# The X window is the client area: the frame lies left of and above it.
placed=$(iconv -f GBK -t UTF-8 "$configuration" | tr -d '\r' | sed -n 's/^_启动窗口\.\(左边\|顶边\)=//p' | tr '\n' ' ')
read -r left top <<<"$placed"
[ "$left" -le 200 ] && [ "$left" -ge 190 ] && [ "$top" -le 150 ] && [ "$top" -ge 110 ] ||
  { echo "the window moved to 200,150 was remembered at $placed"; exit 1; }
echo "keyboard test: 行: 3 after Enter, Down, Down; F1 toggles full screen without the help; a moved window is remembered"
