#!/usr/bin/env bash
# The windows at 96 and 144 DPI: each small window opens with its client
# area and controls scaled for the DPI and closes with Esc from the real
# keyboard (the help window's text first takes Ctrl+A and Ctrl+C); the main window's edit box fills its client area down to the
# status bar in every view state (app_tests' layout test, run at each DPI).
# With TALLYLINE_SHOTS=DIR set, a picture of each small window goes to
# DIR/NAME-DPI.png and one of the main window in each view state to
# DIR/main-VIEW-DPI.png.
#   dpi_test.sh WINDOW_GALLERY_EXE BUILD_DIR APP_TESTS_EXE TALLYLINE_EXE
set -euo pipefail
gallery=$(realpath "$1")
build=$(realpath "$2")
app_tests=$(realpath "$3")
program=$(realpath "$4")
# shellcheck source-path=SCRIPTDIR source=harness.sh
source "$(dirname "$0")/harness.sh"
start_display
take_prefix "$build" wineprefix-dpi

# The main window in each view state, from a private folder, with a few lines.
main_window_shots() {
  local dpi=$1 view keys work window
  for view in "normal|" "no-status|状态栏状态=假" "no-title|标题栏状态=假" \
    "no-menu-no-title|菜单栏状态=假\r\n标题栏状态=假"; do
    IFS='|' read -r name keys <<<"$view"
    work=$(mktemp -d)
    program_folder "$work" "$program" "[运行设置]\r\n退出设置=1\r\n[其他设置]\r\n退出保存=真\r\n[窗口状态设置]\r\n$keys\r\n"
    gbk '1+2×3=7\r\n2÷3=0.666666666667\r\n\r\n' >"$run/Tallyline备份文件.txt"
    wine "$work/tallyline.exe" &
    local pid=$!
    window=""
    for _ in $(seq 100); do
      window=$(xdotool search --onlyvisible --class 'tallyline.exe' 2>/dev/null | head -1 || true)
      [ -n "$window" ] && break
      sleep 0.2
    done
    sleep 1
    if [ -n "$window" ]; then
      eval "$(xdotool getwindowgeometry --shell "$window")"
      import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage \
        "$TALLYLINE_SHOTS/main-$name-$dpi.png"
    fi
    kill $pid 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
  done
}

# name, title, client width and height at 96 DPI
windows=(
  "exit|是否要直接退出！|268|98"
  "position|自定义窗口位置(请勿超出屏幕！)|212|200"
  "options|快捷设置|360|411"
  "help|帮助|620|460"
  "about|关于和赞助|380|262"
)
failed=0
for dpi in 96 144; do
  set_dpi $dpi
  for entry in "${windows[@]}"; do
    IFS='|' read -r name title width height <<<"$entry"
    out=$(mktemp)
    wine "$gallery" "$name" >"$out" &
    pid=$!
    # The gallery reports the window's DPI and size once it is shown.
    window=$(focused_window "${title//(/\\(}") || true
    for _ in $(seq 100); do [ -s "$out" ] && break; sleep 0.2; done
    read -r shown w h < <(tr -d "\r" <"$out") || true
    want_w=$((width * dpi / 96)) want_h=$((height * dpi / 96))
    if [ -z "$window" ] || [ "${shown:-}" != "$dpi" ] || [ "${w:-0}" -lt "$want_w" ] ||
      [ "${h:-0}" -lt "$want_h" ] || [ "$w" -gt $((want_w + 1)) ] || [ "$h" -gt $((want_h + 1)) ]; then
      echo "$name at $dpi DPI: expected a ${want_w}x${want_h} client area, found '${shown:-none} ${w:-} ${h:-}'"
      failed=1
    elif [ -n "${TALLYLINE_SHOTS:-}" ]; then
      mkdir -p "$TALLYLINE_SHOTS"
      sleep 0.5
      eval "$(xdotool getwindowgeometry --shell "$window")"
      import -window root -crop "$((WIDTH + 16))x$((HEIGHT + 40))+$((X - 8))+$((Y - 32))" \
        "$TALLYLINE_SHOTS/$name-$dpi.png"
    fi
    if [ -n "$window" ] && [ "$name" = help ]; then
      # The text takes Ctrl+A and Ctrl+C as a person presses them.
      chord ctrl a
      chord ctrl c
      sleep 0.3
    fi
    [ -n "$window" ] && xdotool key --window "$window" Escape
    for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
    if kill -0 $pid 2>/dev/null; then
      echo "$name at $dpi DPI: Esc did not close the window"
      failed=1
      kill $pid 2>/dev/null || true
    fi
    wait $pid 2>/dev/null || true
    if [ "$name" = help ] && ! grep -q "copied all" "$out"; then
      echo "help at $dpi DPI: Ctrl+A, Ctrl+C did not copy the whole text"
      failed=1
    fi
    rm -f "$out"
  done
  if ! wine "$app_tests" --gtest_filter='MainWindowTest.Layout*' \
    >"$build/dpi-layout-$dpi.log" 2>&1; then
    echo "main window layout at $dpi DPI failed: see $build/dpi-layout-$dpi.log"
    failed=1
  fi
  [ -n "${TALLYLINE_SHOTS:-}" ] && main_window_shots $dpi
done
[ $failed = 0 ] && echo "dpi test: the windows scaled at 96 and 144 DPI, closed with Esc, laid out"
exit $failed
