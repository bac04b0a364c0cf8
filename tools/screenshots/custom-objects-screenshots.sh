#!/bin/bash
# Custom objects as Orvane shows them under Wine: a picture with soft alpha edges and an
# animated GIF on the desktop, then the first dragged with the mouse (xdotool on the
# virtual display), the program ended with its Exit command and started again, which
# must bring the picture back where it was left. Writes OUTDIR/custom-objects-desktop.png
# custom-objects-dragged.png and custom-objects-page.png (default docs/screenshots) and prints the stored
# positions. Needs a built tree (./dev build), ImageMagick, rsvg-convert, Xvfb, xdotool.
#
# Xvfb has no compositor: the layered windows' transparent parts show black there; on
# Windows the desktop shows through.
set -eu

. "$(dirname "$0")/common.sh"
out=${1:-"$root/docs/screenshots"}
user=$(whoami)
pictures="$state/prefix/drive_c/users/$user/Pictures"
mkdir -p "$pictures" "$out"

balloon_picture >/dev/null
# A spinning star of eight frames, ten hundredths of a second each.
frames=()
for i in $(seq 0 7); do
  convert -size 96x96 xc:none +antialias -fill '#ffd23c' -stroke '#b07a00' -strokewidth 2 \
    -draw "translate 48,48 rotate $((i * 9)) polygon 0,-44 10,-14 42,-14 16,6 26,38 0,18 -26,38 -16,6 -42,-14 -10,-14" \
    "$shots/frame$i.png"
  frames+=("$shots/frame$i.png")
done
convert -background none -delay 10 -loop 0 -dispose background "${frames[@]}" "$pictures/star.gif"

win() { echo "C:\\users\\$user\\Pictures\\$1"; }
settings_ini '[CEffectsCustomObjects]' "0Path=$(win balloon.png)" 0Enable=1 0X=200 0Y=150 \
  "1Path=$(win star.gif)" 1Enable=1 1Top=1 1X=420 1Y=170 |
  iconv -f UTF-8 -t UTF-16 >"$settings/settings.ini"

start() { # the program's arguments: -auto keeps the main window hidden
  start_orvane "$@"
  wait_for_show_page
  sleep 2
}
# The tray menu's Exit, so that Orvane saves the objects' places.
stop() {
  show_page exit
  wait "$orvane" || true
  orvane=""
}
positions() { iconv -f UTF-16 -t UTF-8 "$settings/settings.ini" | tr -d '\r' | grep -E '^[01][XY]='; }
shoot() {
  import -window root -crop 700x420+0+0 +repage -strip \
    -define png:exclude-chunks=date,time "$out/$1"
  echo "$out/$1"
}

start -auto
shoot custom-objects-desktop.png
xdotool mousemove 260 220 mousedown 1 sleep 0.3 mousemove 300 260 sleep 0.3 \
  mousemove 340 300 sleep 0.3 mouseup 1
sleep 1
echo "after the drag:"; positions
stop
echo "after Exit:"; positions
start -auto
shoot custom-objects-dragged.png
stop
start
# The page, with the first object of the list selected by a click on its row.
geometry=$(show_page 3)
read -r x y w h _ <<<"$geometry"
xdotool search --name '^Orvane$' windowraise >/dev/null 2>&1 || true
sleep 1
xdotool mousemove $((x + ${ROW_X:-300})) $((y + ${ROW_Y:-187})) click 1
sleep 2
import -window root -crop "${w}x${h}+${x}+${y}" +repage -strip \
  -define png:exclude-chunks=date,time "$out/custom-objects-page.png"
echo "$out/custom-objects-page.png"
stop
