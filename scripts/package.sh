#!/usr/bin/env bash
# Builds the release for Windows: dist/Tallyline-VERSION-win64.zip holding the
# folder Tallyline-VERSION with tallyline.exe, tallyline-cli.exe, README.txt
# (Chinese) and LICENSE.txt, and dist/Tallyline-VERSION-win64.zip.sha256.
#   package.sh                       builds the Windows target, then packs it
#   package.sh --from BUILD [--out DIR]
#                                    packs the executables of the build folder
#                                    BUILD into DIR (default dist/), unbuilt
# VERSION is the project version of CMakeLists.txt. The files in the zip carry
# the time of the last commit, so the same build gives the same zip.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=""
out="$root/dist"
while [ $# -gt 0 ]; do
  case $1 in
    --from) build=$(realpath "$2"); shift 2 ;;
    --out) out=$(realpath -m "$2"); shift 2 ;;
    *) echo "usage: package.sh [--from BUILD] [--out DIR]" >&2; exit 2 ;;
  esac
done

version=$(sed -n 's/^project(tallyline VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
[ -n "$version" ] || { echo "package: no project version in CMakeLists.txt" >&2; exit 1; }

if [ -z "$build" ]; then
  bash "$root/scripts/setup.sh"
  (cd "$root" && cmake --preset windows >/dev/null &&
    cmake --build --preset windows --target tallyline tallyline-cli)
  build=$root/build/windows
fi

name=Tallyline-$version-win64
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
folder=$stage/Tallyline-$version
mkdir -p "$folder" "$out"

stamp=$(git -C "$root" log -1 --format=%ct 2>/dev/null || date +%s)
# The debugging symbols stay behind; the resources (icon, version) stay in.
# The stripped file's time stamp is the last commit's too.
for exe in "$build/src/app/tallyline.exe" "$build/src/tallyline-cli.exe"; do
  [ -f "$exe" ] || { echo "package: $exe has not been built" >&2; exit 1; }
  SOURCE_DATE_EPOCH=$stamp x86_64-w64-mingw32-strip -o "$folder/$(basename "$exe")" "$exe"
done
# Texts as Notepad reads them everywhere: CR LF, and UTF-8 with its mark.
crlf() { sed 's/$/\r/' "$1"; }
{ printf '\xef\xbb\xbf'; crlf "$root/packaging/README.txt" | sed "s/@VERSION@/$version/g"; } \
  >"$folder/README.txt"
crlf "$root/LICENSE" >"$folder/LICENSE.txt"

find "$stage" -exec touch -d "@$stamp" {} +
rm -f "$out/$name.zip"
(cd "$stage" && find "Tallyline-$version" | LC_ALL=C sort | TZ=UTC zip -X -q -9 "$out/$name.zip" -@)
(cd "$out" && sha256sum "$name.zip" >"$name.zip.sha256")
echo "$out/$name.zip"
