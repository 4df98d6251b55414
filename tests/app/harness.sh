# shellcheck shell=bash
# What every script that runs Tallyline under Wine needs, sourced by them:
# a virtual X display of its own, a Wine prefix in the build tree that no
# other running script uses, windows waited for by title, key chords, a
# program folder with its run folder, the DPI switch, and a clean-up that
# ends only what this script started. The caller runs under
# `set -euo pipefail`.

harness_xvfb=""
harness_prefix=""
harness_work=""

harness_cleanup() {
  # The Wine session belongs to this display: end it before the display goes.
  if [ -n "$harness_prefix" ]; then WINEPREFIX=$harness_prefix wineserver -k 2>/dev/null || true; fi
  if [ -n "$harness_xvfb" ]; then kill "$harness_xvfb" 2>/dev/null || true; fi
  if [ -n "$harness_work" ]; then rm -rf "$harness_work"; fi
}
trap harness_cleanup EXIT

# start_display: an Xvfb on the first free display number, which the server
# picks itself, so that scripts started together never meet on one display.
start_display() {
  local number_file
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  harness_xvfb=$!
  for _ in $(seq 100); do
    [ "$(wc -l <"$number_file")" -ge 1 ] && break
    kill -0 "$harness_xvfb" 2>/dev/null || break
    sleep 0.1
  done
  local number
  number=$(head -1 "$number_file")
  rm -f "$number_file"
  [ -n "$number" ] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$number"
}

# take_prefix BUILD NAME: the Wine prefix BUILD/NAME for this script alone
# (BUILD/NAME-2, -3, ... while other runs hold the first ones), created when
# new, with the zh_CN locale (system code page 936). The lock on it is held
# by this script and the Wine processes it starts, so a prefix stays taken
# while anything still runs in it.
take_prefix() {
  local build=$1 name=$2 slot=1 prefix
  while true; do
    prefix="$build/$name"
    [ "$slot" = 1 ] || prefix="$prefix-$slot"
    exec {harness_lock}>"$prefix.lock"
    flock -n "$harness_lock" && break
    exec {harness_lock}>&-
    slot=$((slot + 1))
  done
  harness_prefix=$prefix
  if [ ! -f "$prefix/system.reg" ]; then
    seed_prefix "$build"
    mkdir -p "$prefix"
    cp -a "$build/wineprefix-seed/." "$prefix/"
  fi
  use_wine "$prefix"
}

# seed_prefix BUILD: BUILD/wineprefix-seed, a new prefix that no program ever
# runs in; every other prefix starts as a copy of it, which takes seconds where
# making one takes about a minute.
seed_prefix() {
  local seed=$1/wineprefix-seed lock
  exec {lock}>"$seed.lock"
  flock "$lock"
  if [ ! -f "$seed/system.reg" ]; then
    (
      use_wine "$seed"
      wineboot -i >/dev/null 2>&1 || true
      wineserver -w || true
    )
  fi
  exec {lock}>&-
}

# use_wine PREFIX: the environment Wine runs the programs in.
use_wine() {
  export WINEPREFIX=$1 WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=zh_CN.UTF-8
}

# work_folder: a new temporary folder, removed at exit; its path in $work.
work_folder() {
  harness_work=$(mktemp -d)
  # shellcheck disable=SC2034 # for the caller
  work=$harness_work
}

# set_dpi DPI: the display's DPI for the programs started from now on.
set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  wineserver -w
}

# gbk TEXT: TEXT, with its \r\n escapes, written as GBK.
gbk() {
  printf '%b' "$1" | iconv -f UTF-8 -t GBK
}

# program_folder FOLDER EXE CONFIGURATION: FOLDER gets a copy of EXE as
# tallyline.exe and beside it the run folder, whose configuration file holds
# CONFIGURATION (with \r\n escapes). The run folder's path goes to $run.
program_folder() {
  mkdir -p "$1"
  cp "$2" "$1/tallyline.exe"
  # shellcheck disable=SC2034 # for the caller
  run="$1/Tallyline运行文件"
  mkdir -p "$run"
  gbk "$3" >"$run/Tallyline配置文件.ini"
}

# window TITLE [SECONDS]: the id of the visible window titled TITLE, once it
# is mapped; fails when none appears within SECONDS (20).
window() {
  local found tries
  tries=$((${2:-20} * 5))
  for _ in $(seq "$tries"); do
    found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
    [ -n "$found" ] && { echo "$found"; return 0; }
    sleep 0.2
  done
  return 1
}

# focused_window TITLE [SECONDS]: the same, once it has taken the focus (a
# window that is not viewable yet refuses it; without a window manager
# nobody gives the focus to a new window).
focused_window() {
  local found tries
  tries=$((${2:-20} * 5))
  for _ in $(seq "$tries"); do
    found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
    if [ -n "$found" ] && xdotool windowfocus --sync "$found" 2>/dev/null; then
      echo "$found"
      return 0
    fi
    sleep 0.2
  done
  return 1
}

# window_gone TITLE [SECONDS]: true once no visible window is titled TITLE,
# within SECONDS (10).
window_gone() {
  local tries
  tries=$((${2:-10} * 10))
  for _ in $(seq "$tries"); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

# chord MODIFIER KEY [PAUSE]: KEY pressed while MODIFIER is held, as a person
# presses them, then PAUSE seconds for the program to act.
chord() {
  xdotool keydown "$1" key "$2" keyup "$1"
  sleep "${3:-0}"
}
