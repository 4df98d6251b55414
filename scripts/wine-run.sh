#!/usr/bin/env bash
# Runs a Windows executable under Wine the way the tests and the program need:
# a Wine prefix inside the build tree, the zh_CN locale (system code page 936),
# and a virtual X display when none is set.
set -euo pipefail

exe=$(realpath "$1")
shift

# The build tree is the nearest folder above the executable with a CMakeCache.txt.
build=$(dirname "$exe")
while [ "$build" != / ] && [ ! -f "$build/CMakeCache.txt" ]; do build=$(dirname "$build"); done
[ -f "$build/CMakeCache.txt" ] || build=$(dirname "$exe")

export WINEPREFIX="${WINEPREFIX:-$build/wineprefix}"
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=zh_CN.UTF-8

if [ -z "${DISPLAY:-}" ]; then
  # Pick a free display number and stop the server when we are done.
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
  done
  Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
  export DISPLAY=$display
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
fi

# Several tests may start at once: only one creates the prefix.
(
  flock 9
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
  fi
) 9>"$build/.wineprefix.lock"

status=0
wine "$exe" "$@" || status=$?
# The Wine session (its wineserver and desktop) belongs to this display: let
# it end before the display goes, so that the next run starts afresh.
if [ -n "${xvfb_pid:-}" ]; then timeout 20 wineserver -w || wineserver -k || true; fi
exit $status
