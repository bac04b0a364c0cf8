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
#   tools/screenshots/glow-effect-screenshots.sh [OUTPUT.png [PAGE-OUTPUT.png]]
set -eu

. "$(dirname "$0")/common.sh"
out=${1:-"$root/docs/screenshots/glow-effects-wine.png"}
page_out=${2:-"$root/docs/screenshots/garland-page-wine.png"}
mkdir -p "$(dirname "$out")" "$(dirname "$page_out")"

shoot() { # NAME SECONDS SETTINGS...
  local name=$1 seconds=$2
  shift 2
  settings_ini "$@" >"$settings/settings.ini"
  start_orvane -auto
  sleep "$seconds"
  import -window root "$shots/$name.png"
  # Only this program: ending the prefix's wineserver would leave the next start without
  # its desktop.
  stop_orvane
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
settings_ini fGarland=1 iGarland=0 iFlash=0 >"$settings/settings.ini"
start_orvane
wait_for_show_page
entry=$(show_page 11 Effects 1034=5 1036=2 | cut -d' ' -f5-)
[ "$entry" = "Lights and Garlands" ] || {
  echo "entry 11 of the Effects tree is '$entry', not the garland page" >&2
  exit 1
}
xdotool search --name '^Orvane$' windowraise >/dev/null 2>&1 || true
sleep 3
import -window root -resize 1280x "$page_out"
stop_orvane
echo "$page_out"
