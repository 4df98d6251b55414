#!/usr/bin/env bash
# The release as a user meets it: scripts/package.sh packs this build, the zip
# and its SHA-256 agree, the zip unpacks into an empty folder holding exactly
# the two programs and the two texts, and both programs start from there:
# tallyline-cli.exe evaluates, tallyline.exe puts up its window.
#   package_test.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source-path=SCRIPTDIR source=harness.sh
source "$here/harness.sh"
work_folder
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

[ -n "${DISPLAY:-}" ] || start_display
take_prefix "$build" wineprefix-package

answer=$(cd "$folder" && wine ./tallyline-cli.exe eval 1+2 | tr -d '\r' | cut -f1)
[ "$answer" = "1+2=3" ] || fail "tallyline-cli.exe eval 1+2 printed '$answer'"
shown=$(cd "$folder" && wine ./tallyline-cli.exe --version | tr -d '\r')
[ "$shown" = "tallyline-cli $version" ] || fail "tallyline-cli.exe --version printed '$shown'"

(cd "$folder" && exec wine ./tallyline.exe) &
window Tallyline 30 >/dev/null || fail "tallyline.exe from the unpacked folder showed no window"
echo "package test: $(basename "$zip") unpacked, tallyline-cli.exe evaluated, tallyline.exe started"
