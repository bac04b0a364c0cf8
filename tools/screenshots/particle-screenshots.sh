#!/bin/bash
# Screenshots of space flight, confetti, rain, smoke and the ten cursor effects as the
# program shows them under Wine. For each, Orvane.exe starts hidden in the tray with only
# that effect switched on (the four particle effects at density 9), and the virtual screen
# is captured. For the cursor effects xdotool moves the pointer along a curve, clicking
# along it in the two click modes, and the screen is captured while the pointer still
# moves (dots and pencil lines fade within two thirds of a second); the black dots and
# pencil line over a grey backdrop (see below). The captures go side by side, the cursor
# effects cropped to the pointer's path, into docs/screenshots/particle-effects-wine.png
# and docs/screenshots/cursor-effects-wine.png. Needs a built tree (./dev build),
# ImageMagick, xdotool and Xvfb.
#
#   tools/screenshots/particle-screenshots.sh [OUTPUT_DIR]
set -eu

. "$(dirname "$0")/common.sh"
out=${1:-"$root/docs/screenshots"}
mkdir -p "$out"

# start KEY=VALUE...: Orvane with only these settings, until its overlay has had time to run
start() {
  settings_ini "$@" >"$settings/settings.ini"
  start_orvane -auto
  sleep 15
}
stop() {
  stop_orvane
  sleep 1
}
shoot() { import -window root "$shots/$1.png"; }

for effect in SpaceFlight Confetti Rain Smoke; do
  start "fEffect$effect=1" "iEffect${effect}Density=9"
  shoot "$effect"
  stop
done

# The pointer's path: a wave from (660, 540) to (1260, 540), clicking every tenth step in
# the click modes; NAME is captured four steps before the end.
move() { # CLICKS [NAME]
  local clicks=$1 name=${2:-} i x y
  for i in $(seq 0 60); do
    [ -n "$name" ] && [ "$i" -eq 56 ] && shoot "$name"
    x=$((660 + i * 10))
    y=$((540 + (i % 20 < 10 ? i % 10 : 10 - i % 10) * 12 - 60))
    xdotool mousemove "$x" "$y"
    if [ "$clicks" = yes ] && [ $((i % 10)) -eq 5 ]; then
      xdotool click 1
    fi
    sleep 0.03
  done
}

modes="BUBBLES CLICK_EXPLOSION CLICK_FLOWERS DOTS FAIRY_DUST FLASH_LIGHT MARKER_PEN INTERSECTION PENCIL TRAIL"
# Without a compositor an overlay is opaque on the virtual display, black where it is
# transparent. For the black dots and pencil line Wine cuts the overlay to the shape of
# what it draws instead (coarser: its edges lose their smoothing), over a grey backdrop.
shaped() { # Y|N
  in_wine reg add 'HKCU\Software\Wine\X11 Driver' \
    /v ShapeLayeredWindows /t REG_SZ /d "$1" /f >/dev/null 2>&1
}
for mode in $modes; do
  case $mode in DOTS | PENCIL) shaped Y ;; esac
  start fEffectCursor=1 "strEffectCursorEffect=$mode"
  # The backdrop, once the program runs: the root window tiled with one colour.
  case $mode in DOTS | PENCIL)
    display -window root -size 8x8 xc:'#8a96a6' 2>/dev/null || true
    ;;
  esac
  case $mode in
  # Flowers take three seconds to open.
  CLICK_FLOWERS) move yes && sleep 3 && shoot "$mode" ;;
  CLICK_*) move yes "$mode" ;;
  *) move no "$mode" ;;
  esac
  stop
  case $mode in DOTS | PENCIL) shaped N ;; esac
done

cd "$shots"
montage -label '%t' SpaceFlight.png Confetti.png Rain.png Smoke.png -resize 640x -tile 2x \
  -geometry +4+4 -background '#333' -fill white -font DejaVu-Sans -pointsize 16 \
  "$out/particle-effects-wine.png"
mkdir -p path
for mode in $modes; do
  convert "$mode.png" -crop 760x360+580+340 +repage "path/$mode.png"
done
montage -label '%t' $(for mode in $modes; do echo "path/$mode.png"; done) -tile 2x \
  -geometry +4+4 -background '#333' -fill white -font DejaVu-Sans -pointsize 16 \
  "$out/cursor-effects-wine.png"
echo "$out/particle-effects-wine.png $out/cursor-effects-wine.png"
