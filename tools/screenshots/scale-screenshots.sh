#!/bin/bash
# Screenshots of the main window at 150 % and 200 % display scaling (144 and 192 DPI, set
# in the prefix as Windows' own setting): the first tab, the Effects tab with its
# introduction, the Balloons page, and the Night Light tab. Each capture is cut to the
# main window and written to OUTDIR/scale-<percent>-<view>.png (default docs/screenshots).
# Needs a built tree (./dev build), ImageMagick, Xvfb and xdotool.
#
#   tools/screenshots/scale-screenshots.sh [OUTDIR]
set -eu

. "$(dirname "$0")/common.sh"
out=${1:-"$root/docs/screenshots"}
mkdir -p "$out"
settings_ini >"$settings/settings.ini"

shoot() { # FILE, then the show-page arguments
  local file=$1 geometry
  shift
  geometry=$(show_page "$@")
  sleep 2
  read -r x y w h _ <<<"$geometry"
  import -window root -crop "${w}x${h}+${x}+${y}" +repage \
    -strip -define png:exclude-chunks=date,time "$file"
  echo "$file"
}

for percent in 150 200; do
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
    /d $((96 * percent / 100)) /f >/dev/null 2>&1
  start_orvane
  wait_for_show_page "Background Picture"
  shoot "$out/scale-$percent-main-window.png" - "Background Picture"
  shoot "$out/scale-$percent-effects-tab.png" - Effects
  shoot "$out/scale-$percent-balloons.png" 0 Effects
  shoot "$out/scale-$percent-night-light.png" - "Night Light"
  stop_orvane
done
