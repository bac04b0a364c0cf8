#!/bin/bash
# Screenshots of the garland lights, fireflies and lightning as the program shows them
# under Wine: for each, Orvane.exe starts hidden in the tray with only that effect
# switched on in settings.ini, runs a few seconds, and the whole virtual screen is
# captured over Wine's black desktop. The captures go side by side,
# scaled down, into docs/screenshots/glow-effects-wine.png. Then the garland is driven
# from its page: Orvane starts with the multicolour lights steady, the page switches them
# to the icicle strands chasing, and the screen with the page on it is captured to
# docs/screenshots/garland-page-wine.png. Needs a built tree (./dev build), ImageMagick,
# xdotool and Xvfb.
#
#   tools/glow-effect-screenshots.sh [OUTPUT.png [PAGE-OUTPUT.png]]
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-"$root/docs/screenshots/glow-effects-wine.png"}
page_out=${2:-"$root/docs/screenshots/garland-page-wine.png"}
. "$root/tools/wine-common.sh"
tree=$(windows_run_tree "$root")
state=$(mktemp -d)
shots=$(mktemp -d)
trap '"$root/tools/wine-env" stop "$state"; rm -rf "$state" "$shots"' EXIT
"$root/tools/wine-env" start "$state" "$(windows_tree_loader "$tree")" >/dev/null
display=$(cat "$state/display")
settings="$state/prefix/drive_c/users/$(whoami)/AppData/Roaming/Teskan/Orvane"

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
  # Only this program: ending the prefix's wineserver would leave the next start without
  # its desktop.
  kill "$pid" 2>/dev/null || true
  wait "$pid" || true
  sleep 1
}

shoot "Multicolor-lights-steady" 12 fGarland=1 iGarland=0 iFlash=0
shoot "Strawberries-sections" 12 fGarland=1 iGarland=3 iFlash=3 iFlashSpeed=1
shoot "White-lights-steady" 12 fGarland=1 iGarland=2 iFlash=0
shoot "Icicles-steady" 12 fGarland=1 iGarland=5 iFlash=0
shoot "Fireflies-colourful-density-9" 12 fEffectFireflies=1 iEffectFirefliesDensity=9 \
  fEffectFirefliesColorful=1
# The lightning strikes 50 frames after start, then every 30 to 100: several tries.
for i in 1 2 3; do
  shoot "Lightning-$i" $((10 + i)) fEffectLightning=1
done

montage -label '%t' "$shots"/*.png -resize 640x -tile 3x -geometry +4+4 \
  -background '#333' -fill white -font DejaVu-Sans -pointsize 16 "$out"
echo "$out"

# The page drives the running garland: the garland list (control 1034) to the icicle
# strands (5), the flash list (1036) to chasing (2).
printf '[Settings]\r\nfAutoRun=0\r\nfGarland=1\r\niGarland=0\r\niFlash=0\r\n' \
  >"$settings/settings.ini"
"$root/tools/wine-run" "$state" "$tree/Orvane/Orvane.exe" &
pid=$!
show() { "$root/tools/wine-run" "$state" "$tree/tests/orvane_show_page.exe" "$@" | tr -d '\r'; }
for _ in $(seq 30); do
  sleep 2
  [ -z "$(show - 2>/dev/null)" ] || break
done
entry=$(show 11 Effects 1034=5 1036=2 | cut -d' ' -f5-)
[ "$entry" = "Lights and Garlands" ] || {
  echo "entry 11 of the Effects tree is '$entry', not the garland page" >&2
  exit 1
}
DISPLAY=$display xdotool search --name '^Orvane$' windowraise >/dev/null 2>&1 || true
sleep 3
DISPLAY=$display import -window root -resize 1280x "$page_out"
kill "$pid" 2>/dev/null || true
wait "$pid" || true
echo "$page_out"
