#!/usr/bin/env bash
# The virtual keyboard under real input: xdotool clicks its buttons, types on
# the real keyboard and double-clicks the status bar; sheet_probe reads the
# worksheet (text and caret), the focus and the buttons' places. The first
# run at 96 DPI opens the keyboard at start-up, types with it and switches
# to the simple layout; the second, at 144 DPI, finds it reopened as it was
# left, switches back and closes it with a double click on its background.
# With TALLYLINE_SHOTS=DIR set, pictures of both layouts at both DPIs go to
# DIR/keyboard-LAYOUT-DPI.png.
#   virtual_keyboard_test.sh TALLYLINE_EXE SHEET_PROBE_EXE BUILD_DIR
set -euo pipefail
exe=$(realpath "$1")
probe_exe=$(realpath "$2")
build=$(realpath "$3")
# shellcheck source-path=SCRIPTDIR source=harness.sh
source "$(dirname "$0")/harness.sh"
work_folder
start_display
take_prefix "$build" wineprefix-virtual-keyboard

program_folder "$work" "$exe" '[运行设置]\r\n退出设置=1\r\n动态刷新=假\r\n键盘开启=真\r\n起始选择位置=4\r\n[其他设置]\r\n退出保存=真\r\n[键盘窗口设置]\r\n键盘左边=300\r\n键盘顶边=330\r\n键盘宽度=540\r\n键盘高度=285\r\n键盘模式=真\r\n'
{ gbk '单价'; for _ in $(seq 31); do printf '\r\n'; done; } > "$run/Tallyline备份文件.txt"

fail() {
  echo "virtual keyboard test: $*"
  exit 1
}
probe() { wine "$probe_exe" "$@" | tr -d '\r'; }

# Starts the program and waits for its window and, opened at start-up, the keyboard.
start() {
  wine "$work/tallyline.exe" &
  program_pid=$!
  main=$(window Tallyline 30) || fail "no Tallyline window appeared"
  keyboard=$(window 虚拟键盘 10) || fail "the keyboard did not open at start-up"
  sleep 0.5
}

stop() {
  probe close
  sleep 1
  # A changed sheet brings the question whether to save it first ("否").
  local asked=""
  if kill -0 "$program_pid" 2>/dev/null && asked=$(window 询问 5); then
    xdotool windowfocus --sync "$asked" 2>/dev/null || true
    xdotool key n
  fi
  for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.2; done
  if kill -0 "$program_pid" 2>/dev/null; then
    kill "$program_pid" 2>/dev/null || true
    fail "the program did not end when asked to close"
  fi
  wait "$program_pid" 2>/dev/null || true
}

# The keyboard window's place and size on screen: "X Y WIDTH HEIGHT".
keyboard_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$keyboard")"
  echo "$X $Y $WIDTH $HEIGHT"
}

declare -A keys
load_keys() {
  keys=()
  while IFS=$'\t' read -r caption x y; do keys[$caption]="$x $y"; done < <(probe keys)
}

click() {
  for caption in "$@"; do
    [ -n "${keys[$caption]:-}" ] || fail "no button $caption"
    read -r x y <<<"${keys[$caption]}"
    xdotool mousemove "$x" "$y" click 1
    sleep 0.2
  done
}

# The worksheet's text with "|" at the caret, and the focus still in it.
expect_sheet() {
  sleep 0.3
  local out shown state
  out=$(probe sheet)
  shown=${out%%$'\n'*}
  state=${out#*$'\n'}
  [ "$shown" = "$1" ] || fail "after $2: expected '$1', found '$shown'"
  [ "$state" = "focus=edit active=main" ] || fail "after $2 the worksheet lost the focus: $state"
}

wait_keyboard() {  # shown|gone
  if [ "$1" = shown ]; then
    keyboard=$(window 虚拟键盘 5) || fail "the keyboard is not shown"
  else
    window_gone 虚拟键盘 5 || fail "the keyboard is not gone"
  fi
}

shot() {
  [ -n "${TALLYLINE_SHOTS:-}" ] || return 0
  mkdir -p "$TALLYLINE_SHOTS"
  sleep 0.3
  read -r x y w h < <(keyboard_geometry)
  import -window root -crop "${w}x${h}+${x}+${y}" "$TALLYLINE_SHOTS/keyboard-$1.png"
}

setting() {  # the configuration file's line for KEY in SECTION
  iconv -f GBK -t UTF-8 "$run/Tallyline配置文件.ini" | tr -d '\r' |
    awk -v section="[$1]" -v key="$2=" '/^\[/ {in_section = ($0 == section)} in_section && index($0, key) == 1'
}

# --- 96 DPI: opened at start-up where it was left; typing with it.
set_dpi 96
start
[ "$(keyboard_geometry)" = "300 330 540 285" ] || fail "opened at $(keyboard_geometry)"
load_keys
expect_sheet '单价|' "start-up"
click ←
expect_sheet '单|价' "← over a Chinese character"
click → →
expect_sheet '单价\n|' "→ over a Chinese character and a line break"
click 1 2 ×
expect_sheet '单价\n12×|' "1, 2, ×"
click （）
expect_sheet '单价\n12×(|)' "（）"
click 2nd X^y
expect_sheet '单价\n12×(1/(|))' "2nd, X^y"
xdotool type --delay 80 3
expect_sheet '单价\n12×(1/(3|))' "typing 3 on the real keyboard"
click 2nd → → =
expect_sheet '单价\n12×(1/(3))=4|' "="

eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((X + 100)) $((Y + HEIGHT - 8)) click --repeat 2 --delay 60 1
wait_keyboard gone
chord ctrl i
wait_keyboard shown
[ "$(keyboard_geometry)" = "300 330 540 285" ] || fail "reopened at $(keyboard_geometry)"
shot scientific-96
load_keys
click 简单
sleep 0.3
[ "$(keyboard_geometry)" = "300 330 310 285" ] || fail "the simple layout is $(keyboard_geometry)"
load_keys
click 7
expect_sheet '单价\n12×(1/(3))=4\n7|' "7 behind a result, in the simple layout"
shot simple-96
stop
[ "$(setting 运行设置 键盘开启)" = "键盘开启=真" ] || fail "the close request wrote $(setting 运行设置 键盘开启)"
for line in 键盘左边=300 键盘顶边=330 键盘宽度=310 键盘高度=285 键盘模式=假 键盘开启=假; do
  [ "$(setting 键盘窗口设置 "${line%%=*}")" = "$line" ] || fail "closing wrote $(setting 键盘窗口设置 "${line%%=*}"), not $line"
done

# --- 144 DPI: reopened at start-up in the simple layout; back to the
# scientific one; closed by a double click on its background.
set_dpi 144
start
[ "$(keyboard_geometry)" = "300 330 310 285" ] || fail "reopened at $(keyboard_geometry)"
shot simple-144
load_keys
click 科学
sleep 0.3
[ "$(keyboard_geometry)" = "300 330 540 285" ] || fail "the scientific layout is $(keyboard_geometry)"
shot scientific-144
load_keys
click 5
expect_sheet '单价\n12×(1/(3))=4\n75|' "5 at 144 DPI"
read -r x y w h < <(keyboard_geometry)
xdotool mousemove $((x + 40)) $((y + h - 10)) click --repeat 2 --delay 60 1
wait_keyboard gone
stop
[ "$(setting 运行设置 键盘开启)" = "键盘开启=假" ] || fail "after closing the keyboard the close request wrote $(setting 运行设置 键盘开启)"
[ "$(setting 键盘窗口设置 键盘模式)" = "键盘模式=真" ] || fail "closing wrote $(setting 键盘窗口设置 键盘模式)"
echo "virtual keyboard test: typed, evaluated, kept the focus in the worksheet, and reopened as it was left"
