#!/bin/bash
# Screenshots of the garland lights, fireflies and lightning as the program shows them
# under Wine: for each, Orvane.exe starts hidden in the tray with only that effect
# switched on in settings.ini, runs a few seconds, and the whole virtual screen is
# captured on a grey backdrop (the effects are transparent). The captures go side by side,
# scaled down, into docs/screenshots/glow-effects-wine.png. Needs a built tree
# (./dev build), ImageMagick and Xvfb.
#
#   tools/glow-effect-screenshots.sh [OUTPUT.png]
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-"$root/docs/screenshots/glow-effects-wine.png"}
. "$root/tools/wine-common.sh"
tree=$(windows_run_tree "$root")
state=$(mktemp -d)
shots=$(mktemp -d)
trap '"$root/tools/wine-env" stop "$state"; rm -rf "$state" "$shots"' EXIT
"$root/tools/wine-env" start "$state" "$(windows_tree_loader "$tree")" >/dev/null
display=$(cat "$state/display")
settings="$state/prefix/drive_c/users/$(whoami)/AppData/Roaming/Teskan/Orvane"
DISPLAY=$display xsetroot -solid '#3a4656' 2>/dev/null || true

shoot() { # NAME SECONDS SETTINGS...
  local name=$1 seconds=$2
  shift 2
  mkdir -p "$settings"
  printf '[Settings]\r\nfAutoRun=0\r\n' >"$settings/settings.ini"
  printf '%s\r\n' "$@" >>"$settings/settings.ini"
  "$root/tools/wine-run" "$state" "$tree/Orvane/Orvane.exe" -auto &
  local pid=$!
  sleep "$seconds"
  DISPLAY=$display import -window root "$shots/$name.png"
  # Only this state's prefix: its wineserver ends the programs it runs.
  (wine_use_state "$state" && wineserver -k) || true
  wait "$pid" || true
}

shoot "Multicolor-lights-steady" 12 fGarland=1 iGarland=0 iFlash=0
shoot "Strawberries-sections" 12 fGarland=1 iGarland=3 iFlash=3 iFlashSpeed=1
shoot "White-lights-chasing" 12 fGarland=1 iGarland=2 iFlash=2
shoot "Icicles-random" 12 fGarland=1 iGarland=5 iFlash=4
shoot "Fireflies-colourful-density-9" 12 fEffectFireflies=1 iEffectFirefliesDensity=9 \
  fEffectFirefliesColorful=1
# The lightning strikes 50 frames after start, then every 30 to 100: several tries.
for i in 1 2 3; do
  shoot "Lightning-$i" $((10 + i)) fEffectLightning=1
done

montage -label '%t' "$shots"/*.png -resize 640x -tile 3x -geometry +4+4 \
  -background '#333' -fill white -font DejaVu-Sans -pointsize 16 "$out"
echo "$out"
