#!/usr/bin/env bash
# Draws the program's icon, src/app/res/tallyline.ico, at 16, 20, 24, 32, 48
# and 256 pixels: a blue rounded square holding, between two faint lines of
# text, a white "=" and an amber result, as a worksheet line ends. Each size is drawn eight times larger
# with its bars on whole pixels of the final size, then scaled down, so that
# the small sizes stay sharp. Needs ImageMagick; the .ico is checked in.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

px() { # px SIZE FRACTION: the fraction of SIZE in whole pixels, times 8
  awk -v s="$1" -v f="$2" 'BEGIN { printf "%d", int(s * f + 0.5) * 8 }'
}

images=()
for size in 256 48 32 24 20 16; do
  big=$((size * 8))
  radius=$(px "$size" 0.19)
  bar=$(px "$size" 0.12)
  [ "$bar" -lt 8 ] && bar=8
  eqLeft=$(px "$size" 0.16) eqRight=$(($(px "$size" 0.47) - 1))
  top1=$(px "$size" 0.34) top2=$(($(px "$size" 0.66) - bar))
  resultLeft=$(px "$size" 0.56) resultRight=$(($(px "$size" 0.84) - 1))
  line=$(px "$size" 0.16)
  convert -size "${big}x${big}" xc:none \
    -fill '#1d5fa8' -draw "roundrectangle 0,0 $((big - 1)),$((big - 1)) $radius,$radius" \
    -fill '#5f9fe0' -draw "rectangle $eqLeft,$line $resultRight,$((line + bar / 2 - 1))" \
    -fill white -draw "rectangle $eqLeft,$top1 $eqRight,$((top1 + bar - 1))" \
    -fill white -draw "rectangle $eqLeft,$top2 $eqRight,$((top2 + bar - 1))" \
    -fill '#f6b042' -draw "rectangle $resultLeft,$top1 $resultRight,$((top2 + bar - 1))" \
    -fill '#5f9fe0' -draw "rectangle $eqLeft,$((big - line - bar / 2)) $eqRight,$((big - line - 1))" \
    -filter Box -resize "${size}x${size}" "PNG32:$work/$size.png"
  images+=("$work/$size.png")
done
convert "${images[@]}" src/app/res/tallyline.ico
identify src/app/res/tallyline.ico
