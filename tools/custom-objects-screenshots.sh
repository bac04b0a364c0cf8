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

root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-"$root/docs/screenshots"}
. "$root/tools/wine-common.sh"
tree=$(windows_run_tree "$root")
state=$(mktemp -d)
trap '"$root/tools/wine-env" stop "$state"; rm -rf "$state"' EXIT
"$root/tools/wine-env" start "$state" "$(windows_tree_loader "$tree")" >/dev/null
display=$(cat "$state/display")
user=$(whoami)
data="$state/prefix/drive_c/users/$user/AppData/Roaming/Teskan/Orvane"
pictures="$state/prefix/drive_c/users/$user/Pictures"
mkdir -p "$data" "$pictures" "$out"

rsvg-convert "$root/docs/art/custom-objects/balloon.svg" -o "$pictures/balloon.png"
# A spinning star of eight frames, ten hundredths of a second each.
frames=()
for i in $(seq 0 7); do
  convert -size 96x96 xc:none +antialias -fill '#ffd23c' -stroke '#b07a00' -strokewidth 2 \
    -draw "translate 48,48 rotate $((i * 9)) polygon 0,-44 10,-14 42,-14 16,6 26,38 0,18 -26,38 -16,6 -42,-14 -10,-14" \
    "$state/frame$i.png"
  frames+=("$state/frame$i.png")
done
convert -background none -delay 10 -loop 0 -dispose background "${frames[@]}" "$pictures/star.gif"

win() { echo "C:\\users\\$user\\Pictures\\$1"; }
printf '[Settings]\r\nfAutoRun=0\r\n[CEffectsCustomObjects]\r\n0Path=%s\r\n0Enable=1\r\n0X=200\r\n0Y=150\r\n1Path=%s\r\n1Enable=1\r\n1Top=1\r\n1X=420\r\n1Y=170\r\n' \
  "$(win balloon.png)" "$(win star.gif)" | iconv -f UTF-8 -t UTF-16 >"$data/settings.ini"

start() { # the program's arguments: -auto keeps the main window hidden
  "$root/tools/wine-run" "$state" "$tree/Orvane/Orvane.exe" "$@" &
  for _ in $(seq 30); do
    sleep 2
    "$root/tools/wine-run" "$state" "$tree/tests/orvane_show_page.exe" - >/dev/null 2>&1 && break
  done
  sleep 2
}
stop() {
  "$root/tools/wine-run" "$state" "$tree/tests/orvane_show_page.exe" exit
  wait
}
positions() { iconv -f UTF-16 -t UTF-8 "$data/settings.ini" | tr -d '\r' | grep -E '^[01][XY]='; }
shoot() {
  DISPLAY=$display import -window root -crop 700x420+0+0 +repage -strip \
    -define png:exclude-chunks=date,time "$out/$1"
  echo "$out/$1"
}

start -auto
shoot custom-objects-desktop.png
DISPLAY=$display xdotool mousemove 260 220 mousedown 1 sleep 0.3 mousemove 300 260 sleep 0.3 \
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
geometry=$("$root/tools/wine-run" "$state" "$tree/tests/orvane_show_page.exe" 3 | tr -d '\r')
read -r x y w h _ <<<"$geometry"
DISPLAY=$display xdotool search --name '^Orvane$' windowraise >/dev/null 2>&1 || true
sleep 1
DISPLAY=$display xdotool mousemove $((x + ${ROW_X:-300})) $((y + ${ROW_Y:-187})) click 1
sleep 2
DISPLAY=$display import -window root -crop "${w}x${h}+${x}+${y}" +repage -strip \
  -define png:exclude-chunks=date,time "$out/custom-objects-page.png"
echo "$out/custom-objects-page.png"
stop
