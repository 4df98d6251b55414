#!/usr/bin/env bash
# The release as a user meets it: scripts/package.sh packs this build, the zip
# and its SHA-256 agree, the zip unpacks into an empty folder holding exactly
# the two programs and the two texts, and both programs start from there:
# tallyline-cli.exe evaluates, tallyline.exe puts up its window.
#   package_test.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
export WINEPREFIX="$build/wineprefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=zh_CN.UTF-8
cleanup() {
  kill ${program_pid:-} 2>/dev/null || true
  [ -n "${xvfb_pid:-}" ] && { wineserver -k 2>/dev/null || true; kill "$xvfb_pid" 2>/dev/null || true; }
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "package test: $*"; exit 1; }

bash "$here/../../scripts/package.sh" --from "$build" --out "$work/dist" >/dev/null
zip=$(ls "$work"/dist/Tallyline-*-win64.zip)
version=$(basename "$zip" -win64.zip)
version=${version#Tallyline-}
(cd "$work/dist" && sha256sum --quiet -c "$(basename "$zip").sha256") || fail "SHA-256 does not match"

mkdir "$work/unpacked"
unzip -q "$zip" -d "$work/unpacked"
found=$(cd "$work/unpacked" && find . -type f | LC_ALL=C sort | tr '\n' ' ')
want="./Tallyline-$version/LICENSE.txt ./Tallyline-$version/README.txt ./Tallyline-$version/tallyline-cli.exe ./Tallyline-$version/tallyline.exe "
[ "$found" = "$want" ] || fail "the zip holds '$found'"
folder=$work/unpacked/Tallyline-$version

if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 250 299); do [ -e "/tmp/.X$n-lock" ] || { export DISPLAY=":$n"; break; }; done
  Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && break; sleep 0.1; done
fi
[ -f "$WINEPREFIX/system.reg" ] || { wineboot -i >/dev/null 2>&1 || true; wineserver -w; }

answer=$(cd "$folder" && wine ./tallyline-cli.exe eval 1+2 | tr -d '\r' | cut -f1)
[ "$answer" = "1+2=3" ] || fail "tallyline-cli.exe eval 1+2 printed '$answer'"
shown=$(cd "$folder" && wine ./tallyline-cli.exe --version | tr -d '\r')
[ "$shown" = "tallyline-cli $version" ] || fail "tallyline-cli.exe --version printed '$shown'"

(cd "$folder" && exec wine ./tallyline.exe) &
program_pid=$!
window=""
for _ in $(seq 150); do
  window=$(xdotool search --onlyvisible --name '^Tallyline$' 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || fail "tallyline.exe from the unpacked folder showed no window"
echo "package test: $(basename "$zip") unpacked, tallyline-cli.exe evaluated, tallyline.exe started"
