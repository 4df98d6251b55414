#!/usr/bin/env bash
# Real keyboard input: X key events from xdotool reach the edit control
# through Wine as a person's typing would. "1+2" and Enter must leave "1+2=3";
# Ctrl+S asks for a name in the dialog "保存：", where the name is typed and
# Enter saves the sheet; Ctrl+Q then ends the program without a question, and
# the save at exit writes the content backup.
#   keyboard_test.sh TALLYLINE_EXE BUILD_DIR
set -euo pipefail
exe=$1
build=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
cleanup() {
  # The Wine session belongs to this display: end it (the program too, if a
  # step failed) before the display goes.
  WINEPREFIX="$build/wineprefix" wineserver -k 2>/dev/null || true
  kill ${program_pid:-} 2>/dev/null || true
  kill ${xvfb_pid:-} 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

cp "$exe" "$work/tallyline.exe"
mkdir -p "$work/Tallyline运行文件"
printf '[运行设置]\r\n退出设置=1\r\n动态刷新=假\r\n[其他设置]\r\n退出保存=真\r\n' |
  iconv -f UTF-8 -t GBK > "$work/Tallyline运行文件/Tallyline配置文件.ini"

if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 150 199); do [ -e "/tmp/.X$n-lock" ] || { export DISPLAY=":$n"; break; }; done
  Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && break; sleep 0.1; done
fi

WINEPREFIX="$build/wineprefix" "$here/../../scripts/wine-run.sh" "$work/tallyline.exe" &
program_pid=$!

# The main window, once it is mapped and takes the focus (a window that is
# not viewable yet refuses it).
window=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name '^Tallyline$' 2>/dev/null | head -1 || true)
  if [ -n "$window" ] && xdotool windowfocus --sync "$window" 2>/dev/null; then break; fi
  window=""
  sleep 0.2
done
[ -n "$window" ] || { echo "no Tallyline window appeared"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 100)) $((Y + 60)) click 1
sleep 0.5
xdotool type --delay 80 "1+2"
xdotool key --delay 80 Return
sleep 0.5
xdotool keydown ctrl key s keyup ctrl
dialog=""
for _ in $(seq 100); do
  dialog=$(xdotool search --onlyvisible --name '^保存：$' 2>/dev/null | head -1 || true)
  [ -n "$dialog" ] && break
  sleep 0.2
done
[ -n "$dialog" ] || { echo "Ctrl+S showed no dialog titled 保存："; exit 1; }
xdotool windowfocus --sync "$dialog"
sleep 0.5
xdotool type --delay 40 "Z:${work//\//\\}\\sheet"
xdotool key --delay 80 Return
saved="$work/sheet.txt"
for _ in $(seq 50); do [ -f "$saved" ] && break; sleep 0.2; done
[ -f "$saved" ] || { echo "the dialog saved no sheet.txt"; exit 1; }
# Without a window manager nobody gives the focus back to the main window.
xdotool windowfocus --sync "$window"
xdotool keydown ctrl key q keyup ctrl

for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.2; done
import -window root "$build/keyboard_test_end.png" 2>/dev/null || true
backup="$work/Tallyline运行文件/Tallyline备份文件.txt"
[ -f "$backup" ] || { echo "the save at exit wrote no content backup"; exit 1; }
first=$(head -c 7 "$backup" | tr -d '\r\n')
if [ "$first" != "1+2=3" ]; then
  echo "expected the first line 1+2=3, found: $(head -c 40 "$backup" | iconv -f GBK -t UTF-8 | head -1)"
  exit 1
fi
if ! cmp -s "$saved" "$backup"; then
  echo "the saved sheet differs from the sheet the program kept at exit"
  exit 1
fi
echo "keyboard test: 1+2 and Enter gave 1+2=3, saved through the dialog as sheet.txt"
