#!/bin/bash
# The Background Picture page with a large folder, under Wine: generates COUNT pictures
# of 12 megapixels (4000 x 3000 JPEG, 20 different ones copied round; none carries an
# embedded thumbnail, so each is decoded whole) in a temporary folder, runs
# orvane_wine_wallpaper_page on it and removes everything again. Figures for
# docs/performance.md. Needs a built tree (./dev build), ImageMagick and Xvfb.
#
#   benchmarks/wallpaper-page.sh [COUNT]
#   benchmarks/wallpaper-page.sh FOLDER   (runs on pictures already made, keeps them)
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
count=${1:-1000}
. "$root/tools/wine/wine-common.sh"
tree=$(windows_run_tree "$root")
state=$(mktemp -d)
if [ -d "$count" ]; then
  pictures=$count
  trap '"$root/tools/wine/wine-env" stop "$state"; rm -rf "$state"' EXIT
else
  pictures=$(mktemp -d)
  trap '"$root/tools/wine/wine-env" stop "$state"; rm -rf "$state" "$pictures"' EXIT
  make_pictures=1
fi

if [ -n "${make_pictures:-}" ]; then
  for i in $(seq 1 20); do
    convert -size 1000x750 -seed "$i" plasma:fractal -resize '4000x3000!' -quality 90 \
      "$pictures/base$i.jpg"
  done
  for i in $(seq 1 "$count"); do
    cp "$pictures/base$(((i - 1) % 20 + 1)).jpg" "$pictures/$(printf 'picture%04d.jpg' "$i")"
  done
  rm "$pictures"/base*.jpg
fi
echo "$(ls "$pictures" | wc -l) pictures, $(du -sh "$pictures" | cut -f1), $(identify -format '%wx%h' "$pictures/picture0001.jpg")"

"$root/tools/wine/wine-env" start "$state" "$(windows_tree_loader "$tree")" >/dev/null
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
bench="$tree/benchmarks/orvane_wine_wallpaper_page.exe"
"$root/tools/wine/wine-run" "$state" "$bench" decode "Z:${pictures//\//\\}\\picture0001.jpg"
"$root/tools/wine/wine-run" "$state" "$bench" "Z:${pictures//\//\\}"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
