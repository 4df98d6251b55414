#!/usr/bin/env bash
# The small windows at 96 and 144 DPI: each opens with its client area and
# controls scaled for the DPI and closes with Esc from the real keyboard.
# With TALLYLINE_SHOTS=DIR set, a picture of each goes to DIR/NAME-DPI.png.
#   dpi_test.sh WINDOW_GALLERY_EXE BUILD_DIR
set -euo pipefail
gallery=$(realpath "$1")
build=$(realpath "$2")
prefix="$build/wineprefix-dpi"
export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=zh_CN.UTF-8
cleanup() {
  wineserver -k 2>/dev/null || true
  kill ${xvfb_pid:-} 2>/dev/null || true
}
trap cleanup EXIT

for n in $(seq 200 249); do [ -e "/tmp/.X$n-lock" ] || { export DISPLAY=":$n"; break; }; done
Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && break; sleep 0.1; done
[ -f "$prefix/system.reg" ] || { wineboot -i >/dev/null 2>&1 || true; wineserver -w; }

# name, title, client width and height at 96 DPI
windows=(
  "exit|是否要直接退出！|268|98"
  "position|自定义窗口位置(请勿超出屏幕！)|212|200"
  "options|快捷设置|360|411"
)
failed=0
for dpi in 96 144; do
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f >/dev/null 2>&1
  wineserver -w
  for entry in "${windows[@]}"; do
    IFS='|' read -r name title width height <<<"$entry"
    out=$(mktemp)
    wine "$gallery" "$name" >"$out" &
    pid=$!
    window=""
    for _ in $(seq 100); do
      window=$(xdotool search --onlyvisible --name "^${title//(/\\(}" 2>/dev/null | head -1 || true)
      window=${window:-}
      if [ -n "$window" ] && [ -s "$out" ] && xdotool windowfocus --sync "$window" 2>/dev/null; then
        break
      fi
      window=""
      sleep 0.2
    done
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
    [ -n "$window" ] && xdotool key --window "$window" Escape
    for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
    if kill -0 $pid 2>/dev/null; then
      echo "$name at $dpi DPI: Esc did not close the window"
      failed=1
      kill $pid 2>/dev/null || true
    fi
    wait $pid 2>/dev/null || true
    rm -f "$out"
  done
done
[ $failed = 0 ] && echo "dpi test: the windows scaled at 96 and 144 DPI and closed with Esc"
exit $failed
