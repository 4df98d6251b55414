#!/usr/bin/env bash
# Builds tallyline.exe and starts it under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ]; then
  echo "run: no display (DISPLAY is not set); start an X server or run under xvfb-run" >&2
  exit 1
fi

scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target tallyline
exec scripts/wine-run.sh build/windows/src/app/tallyline.exe "$@"
