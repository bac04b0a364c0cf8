#!/bin/bash
# Falling leaves and a custom object on a display of three monitors, as Orvane shows them
# under Wine: the 1920 × 1080 primary in the middle, a 1280 × 1024 monitor to its left
# (negative coordinates on Windows) and a 1600 × 900 one to its right. Writes
# OUTDIR/effects-on-three-monitors.png (default docs/screenshots), at half size. Needs a
# built tree (./dev build), ImageMagick, rsvg-convert, Xvfb and xrandr.
#
# The screen's parts outside the monitors show the root window's slate blue; Xvfb has no
# compositor, so the effects' transparent parts show black there.
set -eu

export ORVANE_WINE_MONITORS="1920x1080+1280+0 1280x1024+0+100 1600x900+3200+0"
. "$(dirname "$0")/common.sh"
out=${1:-"$root/docs/screenshots"}
mkdir -p "$out"

settings_ini fEffectsLeafFall=1 iEffectsLeafFallDensity=3 '[CEffectsCustomObjects]' \
  "0Path=$(balloon_picture)" 0Enable=1 0Top=1 0X=-900 0Y=380 |
  iconv -f UTF-8 -t UTF-16 >"$settings/settings.ini"

xsetroot -solid '#203040'
start_orvane -auto
sleep 12 # the leaves spread over the monitors
import -window root -resize 50% -strip -define png:exclude-chunks=date,time \
  "$out/effects-on-three-monitors.png"
echo "$out/effects-on-three-monitors.png"
