#!/bin/bash
# Screenshots of the eight sprite effects as the program shows them under Wine: for each,
# Orvane.exe starts hidden in the tray with only that effect switched on at density 5
# (50 sprites), runs a few seconds, and the whole virtual screen is captured. The captures are put side by side,
# scaled down, in docs/screenshots/sprite-effects-wine.png. Needs a built tree
# (./dev build), ImageMagick and Xvfb.
#
#   tools/effect-screenshots.sh [OUTPUT.png]
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-"$root/docs/screenshots/sprite-effects-wine.png"}
. "$root/tools/wine-common.sh"
tree=$(windows_run_tree "$root")
state=$(mktemp -d)
shots=$(mktemp -d)
trap '"$root/tools/wine-env" stop "$state"; rm -rf "$state" "$shots"' EXIT
"$root/tools/wine-env" start "$state" "$(windows_tree_loader "$tree")" >/dev/null
display=$(cat "$state/display")
settings="$state/prefix/drive_c/users/$(whoami)/AppData/Roaming/Teskan/Orvane"

for effect in LeafFall:fEffectsLeafFall FallingPetals:fEffectFallingPetals \
  RainFlowers:fEffectRainFlowers Sweets:fEffectSweets Hearts:fEffectHearts \
  Balloons:fEffectsBalloons Dandelions:fEffectDandelions \
  LeavesInTheWind:fEffectLeavesInTheWind; do
  name=${effect%%:*}
  mkdir -p "$settings"
  key=${effect#*:}
  printf '[Settings]\r\nfAutoRun=0\r\n%s=1\r\ni%sDensity=5\r\n' "$key" "${key#f}" \
    >"$settings/settings.ini"
  "$root/tools/wine-run" "$state" "$tree/Orvane/Orvane.exe" -auto &
  sleep 15
  DISPLAY=$display import -window root "$shots/$name.png"
  pkill -f 'Orvane.exe' || true
  wait || true
done

montage -label '%t' "$shots"/LeafFall.png "$shots"/FallingPetals.png "$shots"/RainFlowers.png \
  "$shots"/Sweets.png "$shots"/Hearts.png "$shots"/Balloons.png "$shots"/Dandelions.png \
  "$shots"/LeavesInTheWind.png -resize 496x -tile 2x -geometry +4+4 \
  -background '#333' -fill white -font DejaVu-Sans -pointsize 16 "$out"
echo "$out"
