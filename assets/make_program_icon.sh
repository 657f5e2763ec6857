#!/usr/bin/env bash
# Draws the demo programs' icon (a window with a title bar) at 16 and 32 pixels
# and writes program.ico. Needs ImageMagick.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
draw() {  # draw <size> <output>
  local s=$1 e=$(($1 - 1)) bar=$(($1 / 4))
  convert -size "${s}x${s}" xc:none \
    -fill '#1f5fbf' -stroke '#0b2a5e' -draw "rectangle 0,1 $e,$((e - 1))" \
    -fill '#f2f2f2' -stroke none -draw "rectangle 2,$((bar + 2)) $((e - 2)),$((e - 3))" \
    -fill '#ffd23f' -draw "rectangle 3,$((bar + 4)) $((s / 2)),$((bar + 4 + s / 8))" \
    -fill '#3fbf5f' -draw "rectangle 3,$((bar + 6 + s / 8)) $((s - 4)),$((bar + 6 + s / 4))" \
    -type TrueColorAlpha "PNG32:$2"
}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
draw 16 "$tmp/16.png"
draw 32 "$tmp/32.png"
convert "$tmp/16.png" "$tmp/32.png" program.ico
