#!/usr/bin/env bash
# Runs a Windows executable under Wine the way the tests and the program need:
# a Wine prefix inside the build tree that no other run uses meanwhile, the
# zh_CN locale (system code page 936), and a virtual X display when none is
# set. A prefix given in WINEPREFIX is used as it is and never ended.
set -euo pipefail

exe=$(realpath "$1")
shift

# The build tree is the nearest folder above the executable with a CMakeCache.txt.
build=$(dirname "$exe")
while [ "$build" != / ] && [ ! -f "$build/CMakeCache.txt" ]; do build=$(dirname "$build"); done
[ -f "$build/CMakeCache.txt" ] || build=$(dirname "$exe")

# shellcheck source-path=SCRIPTDIR source=../tests/app/harness.sh
source "$(dirname "$(realpath "${BASH_SOURCE[0]}")")/../tests/app/harness.sh"
[ -n "${DISPLAY:-}" ] || start_display
if [ -n "${WINEPREFIX:-}" ]; then use_wine "$WINEPREFIX"; else take_prefix "$build" wineprefix; fi

status=0
wine "$exe" "$@" || status=$?
# The Wine session (its wineserver and desktop) belongs to this display: let
# it end before the display goes, so that the next run starts afresh (the
# clean-up ends it in a prefix of this run's own, never in a given one).
if [ -n "$harness_xvfb" ]; then timeout 20 wineserver -w || true; fi
exit $status
