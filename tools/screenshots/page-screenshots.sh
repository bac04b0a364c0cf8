#!/bin/bash
# Screenshots of the Effects tab as the program shows it under Wine: the tab with its
# introduction, then every entry of the tree selected in turn. Orvane runs with every
# effect switched on (the sprite effects draw on the desktop, beneath the window), so the
# pages show their controls usable. Each capture is cut to the main window and written to
# OUTDIR/effects-<entry>.png (default docs/screenshots). Needs a built tree (./dev build),
# ImageMagick, Xvfb and xdotool.
#
# The prefix (tools/wine/wine-env) gives "MS Shell Dlg" a font with the metrics of Windows'
# dialog font, so the pages have their Windows sizes.
#
#   tools/screenshots/page-screenshots.sh [OUTDIR] [EXTRA-SETTINGS-LINES [TAB-TEXT]]
#
# With "strLanguage=Russian\r\n" as the extra lines, give the tab's Russian text.
set -eu

. "$(dirname "$0")/common.sh"
out=${1:-"$root/docs/screenshots"}
extra=${2:-}
tab=${3:-Effects}
mkdir -p "$out"

keys=(fAllowMultipleEffects=1)
for key in fEffectsBalloons fEffectConfetti fEffectCursor fEffectDandelions \
  fEffectFallingPetals fEffectFireflies fEffectHearts fGarland fEffectsLeafFall \
  fEffectLeavesInTheWind fEffectLightning fEffectRain fEffectRainFlowers fEffectSmoke \
  fEffectSpaceFlight fEffectSweets; do
  keys+=("$key=1")
done
{ settings_ini "${keys[@]}"; printf "$extra"; } >"$settings/settings.ini"

start_orvane
wait_for_show_page "$tab"

shoot() { # NAME, then the show-page arguments
  local name=$1 geometry
  shift
  geometry=$(show_page "$@")
  # Without a compositor the overlays are opaque: bring the window above them.
  xdotool search --name '^Orvane$' windowraise >/dev/null 2>&1 || true
  sleep 2
  read -r x y w h _ <<<"$geometry"
  import -window root -crop "${w}x${h}+${x}+${y}" +repage \
    -strip -define png:exclude-chunks=date,time "$out/effects-$name.png"
  echo "$out/effects-$name.png"
}

shoot tab - "$tab"
for index in $(seq 0 16); do
  name=$(show_page "$index" "$tab" | cut -d' ' -f5- | tr 'A-Z ' 'a-z-')
  shoot "$name" "$index" "$tab"
done
