#!/usr/bin/env bash
# The tool windows from the real keyboard at 96 and 144 DPI: Ctrl+F, Ctrl+M
# and the right-click menu open the find, accumulator and number conversion
# windows with their client areas scaled for the DPI; typing, access keys,
# Tab, Enter and Esc work them; F3 searches again; what they do to the sheet
# is read from the content backup the program writes at exit.
# With TALLYLINE_SHOTS=DIR set, a picture of each window goes to
# DIR/NAME-DPI.png.
#   tool_windows_test.sh TALLYLINE_EXE BUILD_DIR
set -euo pipefail
exe=$(realpath "$1")
build=$(realpath "$2")
# shellcheck source-path=SCRIPTDIR source=harness.sh
source "$(dirname "$0")/harness.sh"
work_folder
start_display
take_prefix "$build" wineprefix-tools

failed=0
fail() {
  echo "$*"
  failed=1
}

# Checks the window's client area (its X window: Wine leaves the frame to a
# window manager there is none of) against the size at 96 DPI, and takes its
# picture.
check_window() {
  local window=$1 name=$2 width=$3 height=$4 dpi=$5
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$window")"
  local want_w=$((width * dpi / 96)) want_h=$((height * dpi / 96))
  if [ "$WIDTH" -lt "$want_w" ] || [ "$WIDTH" -gt $((want_w + 1)) ] ||
    [ "$HEIGHT" -lt "$want_h" ] || [ "$HEIGHT" -gt $((want_h + 1)) ]; then
    fail "$name at $dpi DPI: expected ${want_w}x${want_h}, found ${WIDTH}x${HEIGHT}"
  fi
  if [ -n "${TALLYLINE_SHOTS:-}" ]; then
    mkdir -p "$TALLYLINE_SHOTS"
    import -window root -crop "$((WIDTH + 16))x$((HEIGHT + 16))+$((X - 8))+$((Y - 8))" \
      "$TALLYLINE_SHOTS/$name-$dpi.png"
  fi
}

press() { xdotool key --delay 120 "$@"; sleep 0.3; }
typed() { xdotool type --delay 120 "$1"; sleep 0.3; }

run_at() {
  local dpi=$1
  set_dpi "$dpi"
  local folder="$work/$dpi"
  program_folder "$folder" "$exe" '[运行设置]\r\n退出设置=1\r\n动态刷新=假\r\n[其他设置]\r\n退出保存=真\r\n'
  (cd "$folder" && wine tallyline.exe) &
  local pid=$!
  local main
  main=$(focused_window Tallyline) || { fail "no Tallyline window at $dpi DPI"; return; }
  eval "$(xdotool getwindowgeometry --shell "$main")"
  xdotool mousemove $((X + 100)) $((Y + 60)) click 1
  sleep 0.5
  chord ctrl Home 0.5

  # Recorded lines for the accumulator: 12+3=15 and 2×6=12.
  chord ctrl h 0.5
  typed "12+3"
  press Return
  typed "2*6"
  press Return

  # Find: "12" and Enter, F3 from the sheet; then every "12" replaced by "x"
  # with the access keys of the replacement field and "替换全部".
  chord ctrl f 0.5
  local find
  find=$(window '查找和替换') || { fail "Ctrl+F opened no find window at $dpi DPI"; return; }
  typed "12"
  press Return
  check_window "$find" find 428 156 "$dpi"
  press Escape
  window_gone '查找和替换' || fail "Esc did not close the find window at $dpi DPI"
  press F3
  chord ctrl f 0.5
  find=$(window '查找和替换') || { fail "Ctrl+F did not open the find window again"; return; }
  chord alt t 0.5
  typed "x"
  chord alt a 0.5
  chord ctrl f 0.5
  press Escape
  window_gone '查找和替换' || fail "Esc did not close the find window the second time"

  # The accumulator: both records to list 2, "相乘", Enter: the product goes
  # below the caret's line, which "替换全部" left at the top.
  chord ctrl m 0.5
  local accumulator
  accumulator=$(window '累加器') || { fail "Ctrl+M opened no accumulator at $dpi DPI"; return; }
  press Tab space space
  chord alt o 0.5
  press Down
  check_window "$accumulator" accumulator 440 280 "$dpi"
  press Return
  window_gone '累加器' || fail "Enter did not close the accumulator at $dpi DPI"

  # Number conversion from the right-click menu on the selected line; an
  # output copied with Ctrl+C (the field's own, not the menu's) and pasted
  # at the end of the sheet.
  press End
  chord shift Home 0.5
  eval "$(xdotool getwindowgeometry --shell "$main")"
  xdotool mousemove $((X + 60)) $((Y + 40)) click 3
  sleep 1
  press k
  local number
  number=$(window '数值转大写') || { fail "no number conversion window at $dpi DPI"; return; }
  typed "123.45"
  check_window "$number" number 360 114 "$dpi"
  press Tab
  chord ctrl c 0.5
  press Escape
  window_gone '数值转大写' || fail "Esc did not close the number conversion window at $dpi DPI"
  chord ctrl End 0.5
  chord ctrl v 0.5

  chord ctrl q 0.5
  # The sheet was changed: the program asks whether to save it first ("否").
  local asked
  if asked=$(window 询问 15); then
    xdotool windowfocus --sync "$asked" 2>/dev/null || true
    press n
  fi
  for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.2; done
  wait $pid 2>/dev/null || true
  local backup="$run/Tallyline备份文件.txt"
  local want='x+3=15|15×12=180|2×6=x|'
  local got
  got=$(iconv -f GBK -t UTF-8 "$backup" 2>/dev/null | tr -d '\r' | head -3 | tr '\n' '|' || true)
  case "$got" in
    "$want"*) ;;
    *) fail "at $dpi DPI the sheet began '$got', expected '$want'" ;;
  esac
  local last
  last=$(iconv -f GBK -t UTF-8 "$backup" 2>/dev/null | tail -1 || true)
  [ "$last" = "壹佰贰拾叁点肆伍" ] || fail "at $dpi DPI the sheet ended '$last', not the copied numerals"
}

for dpi in 96 144; do run_at "$dpi"; done
[ $failed = 0 ] && echo "tool windows test: find, accumulator and number conversion at 96 and 144 DPI"
exit $failed
