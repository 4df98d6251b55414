#!/usr/bin/env bash
# The options dialog from the real keyboard: Ctrl+K opens it; Tab walks to
# the undo field, where "-" is refused and Ctrl+Z undoes the field's own
# typing (not the worksheet's); Enter confirms, Esc closes a second opening;
# with the adding option off, Esc then closes the main window.
#   options_keyboard_test.sh TALLYLINE_EXE BUILD_DIR [SHOT.png]
set -euo pipefail
exe=$1
build=$2
shot=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=harness.sh
source "$here/harness.sh"
work_folder
[ -n "${DISPLAY:-}" ] || start_display
take_prefix "$(realpath "$build")" wineprefix-options-keyboard

program_folder "$work" "$exe" '[运行设置]\r\n退出设置=1\r\n动态刷新=假\r\n[其他设置]\r\n退出保存=真\r\n'
ctrl() { chord ctrl "$1" 0.3; }
wine "$work/tallyline.exe" &
program_pid=$!

window=$(focused_window Tallyline) || { echo "no Tallyline window appeared"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 100)) $((Y + 60)) click 1
sleep 0.5
xdotool type --delay 80 "7"

ctrl k
focused_window 快捷设置 >/dev/null || { echo "Ctrl+K opened no options dialog"; exit 1; }
# From "笔记本": two boxes, the checked radio, ten boxes, then the undo field.
xdotool key --delay 60 $(printf 'Tab %.0s' $(seq 14))
xdotool type --delay 80 -- "-40"
xdotool key --delay 80 shift+Tab Tab
xdotool type --delay 80 "9"
ctrl z
if [ -n "$shot" ]; then sleep 0.5; import -window root -crop 380x440+40+40 "$shot"; fi
xdotool key --delay 80 Return
window_gone 快捷设置 || { echo "Enter did not close the dialog"; exit 1; }

ctrl k
focused_window 快捷设置 >/dev/null || { echo "Ctrl+K did not open the dialog again"; exit 1; }
xdotool key Escape
window_gone 快捷设置 || { echo "Esc did not close the dialog"; exit 1; }

xdotool key --delay 80 Escape
# The sheet was changed: the program asks whether to save it first ("否").
sleep 1
if kill -0 "$program_pid" 2>/dev/null && asked=$(focused_window 询问); then
  xdotool windowfocus --sync "$asked" 2>/dev/null || true
  xdotool key n
fi
for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$program_pid" 2>/dev/null && { echo "Esc did not close the main window"; exit 1; }

config=$(iconv -f GBK -t UTF-8 "$work/Tallyline运行文件/Tallyline配置文件.ini" | tr -d '\r')
undo=$(grep '^撤销设置=' <<<"$config" | head -1)
[ "$undo" = "撤销设置=40" ] || { echo "expected 撤销设置=40, found '$undo'"; exit 1; }
grep -q 7 "$work/Tallyline运行文件/Tallyline备份文件.txt" ||
  { echo "the worksheet lost its 7: Ctrl+Z reached it"; exit 1; }
echo "options keyboard test: Ctrl+K, Tab, typing, Ctrl+Z, Enter and Esc behave as in a dialog"
