#!/bin/bash
# Screenshots of the Effects tab as the program shows it under Wine: the tab with its
# introduction, then every entry of the tree selected in turn. Orvane runs with every
# effect switched on (the sprite effects draw on the desktop, beneath the window), so the
# pages show their controls usable. Each capture is cut to the main window and written to
# OUTDIR/effects-<entry>.png (default docs/screenshots). Needs a built tree (./dev build),
# ImageMagick, Xvfb and xdotool.
#
# The prefix (tools/wine-env) gives "MS Shell Dlg" a font with the metrics of Windows'
# dialog font, so the pages have their Windows sizes.
#
#   tools/page-screenshots.sh [OUTDIR] [EXTRA-SETTINGS-LINES [TAB-TEXT]]
#
# With "strLanguage=Russian\r\n" as the extra lines, give the tab's Russian text.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-"$root/docs/screenshots"}
extra=${2:-}
tab=${3:-Effects}
. "$root/tools/wine-common.sh"
tree=$(windows_run_tree "$root")
state=$(mktemp -d)
trap '"$root/tools/wine-env" stop "$state"; rm -rf "$state"' EXIT
"$root/tools/wine-env" start "$state" "$(windows_tree_loader "$tree")" >/dev/null
display=$(cat "$state/display")
settings="$state/prefix/drive_c/users/$(whoami)/AppData/Roaming/Teskan/Orvane"
mkdir -p "$settings" "$out"

keys="fAutoRun=0\r\nfAllowMultipleEffects=1\r\n"
for key in fEffectsBalloons fEffectConfetti fEffectCursor fEffectDandelions \
  fEffectFallingPetals fEffectFireflies fEffectHearts fGarland fEffectsLeafFall \
  fEffectLeavesInTheWind fEffectLightning fEffectRain fEffectRainFlowers fEffectSmoke \
  fEffectSpaceFlight fEffectSweets; do
  keys="$keys$key=1\r\n"
done
printf "[Settings]\r\n$keys$extra" >"$settings/settings.ini"

"$root/tools/wine-run" "$state" "$tree/Orvane/Orvane.exe" &
show() { "$root/tools/wine-run" "$state" "$tree/tests/orvane_show_page.exe" "$@" | tr -d '\r'; }
for _ in $(seq 30); do
  sleep 2
  [ -z "$(show - "$tab" 2>/dev/null)" ] || break
done

shoot() { # NAME, then the show-page arguments
  local name=$1 geometry
  shift
  geometry=$(show "$@")
  # Without a compositor the overlays are opaque: bring the window above them.
  DISPLAY=$display xdotool search --name '^Orvane$' windowraise >/dev/null 2>&1 || true
  sleep 2
  read -r x y w h _ <<<"$geometry"
  DISPLAY=$display import -window root -crop "${w}x${h}+${x}+${y}" +repage \
    -strip -define png:exclude-chunks=date,time "$out/effects-$name.png"
  echo "$out/effects-$name.png"
}

shoot tab - "$tab"
for index in $(seq 0 16); do
  name=$(show "$index" "$tab" | cut -d' ' -f5- | tr 'A-Z ' 'a-z-')
  shoot "$name" "$index" "$tab"
done
