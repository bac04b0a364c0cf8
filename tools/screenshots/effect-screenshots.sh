#!/bin/bash
# Screenshots of the eight sprite effects as the program shows them under Wine: for each,
# Orvane.exe starts hidden in the tray with only that effect switched on at density 5
# (50 sprites), runs a few seconds, and the whole virtual screen is captured. The captures are put side by side,
# scaled down, in docs/screenshots/sprite-effects-wine.png. Needs a built tree
# (./dev build), ImageMagick and Xvfb.
#
#   tools/screenshots/effect-screenshots.sh [OUTPUT.png]
set -eu

. "$(dirname "$0")/common.sh"
out=${1:-"$root/docs/screenshots/sprite-effects-wine.png"}
mkdir -p "$(dirname "$out")"

for effect in LeafFall:fEffectsLeafFall FallingPetals:fEffectFallingPetals \
  RainFlowers:fEffectRainFlowers Sweets:fEffectSweets Hearts:fEffectHearts \
  Balloons:fEffectsBalloons Dandelions:fEffectDandelions \
  LeavesInTheWind:fEffectLeavesInTheWind; do
  name=${effect%%:*}
  key=${effect#*:}
  settings_ini "$key=1" "i${key#f}Density=5" >"$settings/settings.ini"
  start_orvane -auto
  sleep 15
  import -window root "$shots/$name.png"
  stop_orvane
done

montage -label '%t' "$shots"/LeafFall.png "$shots"/FallingPetals.png "$shots"/RainFlowers.png \
  "$shots"/Sweets.png "$shots"/Hearts.png "$shots"/Balloons.png "$shots"/Dandelions.png \
  "$shots"/LeavesInTheWind.png -resize 496x -tile 2x -geometry +4+4 \
  -background '#333' -fill white -font DejaVu-Sans -pointsize 16 "$out"
echo "$out"
