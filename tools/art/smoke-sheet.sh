#!/bin/bash
# Build docs/art/smoke-contact-sheet.jpg: smoke at densities 1, 5 and 9 on a 1920 × 1080
# screen drawn at full size puff by puff, beside the program's drawing (puffs piled at a
# quarter of the resolution and magnified), beside their difference eight times
# amplified; each at half size. Prints the largest difference per channel, straight and
# after a blur over 5 × 5 pixels (about what a viewer's eye resolves). Needs the native
# tree built (./dev build) and ImageMagick.
#
#   tools/art/smoke-sheet.sh [OUTPUT.jpg]
set -eu

root=$(cd "$(dirname "$0")/../.." && pwd)
out=${1:-"$root/docs/art/smoke-contact-sheet.jpg"}
tool="$root/build/native/benchmarks/orvane_smoke_sheet"
[ -x "$tool" ] || { echo "build the native tree first: $tool is missing" >&2; exit 1; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$tool" "$tmp/sheet.png"

# Column titles above, density labels on the left.
font=DejaVu-Sans
convert -size 2912x60 xc:'#202020' -font "$font" -pointsize 30 -fill white \
  -annotate +20+42 'At full size, puff by puff' \
  -annotate +996+42 'As drawn: a quarter of the resolution, magnified' \
  -annotate +1972+42 'Difference, eight times' "$tmp/titles.png"
convert "$tmp/titles.png" "$tmp/sheet.png" -append "$tmp/body.png"
convert "$tmp/body.png" -gravity west -background '#202020' -splice 180x0 \
  -gravity northwest -font "$font" -pointsize 30 -fill white \
  -annotate +20+320 'density 1' -annotate +20+876 'density 5' -annotate +20+1432 'density 9' \
  -quality 92 "$out"
echo "wrote $out"
