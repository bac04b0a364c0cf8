#!/usr/bin/env bash
# A custom object dragged with the real mouse (xdotool on the virtual display) is stored
# where it was left when Orvane exits, and a new start shows it there.
#   custom-object-drag.sh STATE_DIR ORVANE_EXE SHOW_PAGE_EXE
# STATE_DIR is the Wine state folder prepared by tools/wine/wine-env start.
set -eu
state=$1 orvane=$2 control=$3
root=$(cd "$(dirname "$0")/../.." && pwd)
display=$(cat "$state/display")
data="$state/prefix/drive_c/users/$(whoami)/AppData/Roaming/Teskan/Orvane"
work=$(mktemp -d)
saved=""
if [ -f "$data/settings.ini" ]; then
  saved="$work/settings.ini.saved"
  cp "$data/settings.ini" "$saved"
fi
cleanup() {
  "$root/tools/wine/wine-run" "$state" "$control" exit >/dev/null 2>&1 || true
  wait 2>/dev/null || true
  if [ -n "$saved" ]; then cp "$saved" "$data/settings.ini"; else rm -f "$data/settings.ini"; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

mkdir -p "$data"
picture="$work/object.png"
convert -size 80x60 xc:'#c83c28' "$picture"
windows_picture=$("$root/tools/wine/wine-run" "$state" winepath -w "$picture" 2>/dev/null | tr -d '\r')
printf '[Settings]\r\nfAutoRun=0\r\n[CEffectsCustomObjects]\r\n0Path=%s\r\n0Enable=1\r\n0Top=1\r\n0X=200\r\n0Y=150\r\n' \
  "$windows_picture" | iconv -f UTF-8 -t UTF-16 >"$data/settings.ini"

start() {
  "$root/tools/wine/wine-run" "$state" "$orvane" -auto &
  for _ in $(seq 40); do
    sleep 1
    "$root/tools/wine/wine-run" "$state" "$control" - >/dev/null 2>&1 && break
  done
  sleep 2
}
stop() {
  "$root/tools/wine/wine-run" "$state" "$control" exit >/dev/null
  wait
}
stored() { iconv -f UTF-16 -t UTF-8 "$data/settings.ini" | tr -d '\r' | sed -n "s/^$1=//p"; }
# The colour on the screen at x, y as "r,g,b".
colour_at() {
  DISPLAY=$display import -window root -crop "1x1+$1+$2" +repage -depth 8 txt:- |
    sed -n 's/^0,0: (\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}
is_object() { # within a few steps of #c83c28
  local r g b
  IFS=, read -r r g b <<<"$1"
  [ $((r > 190 && r < 210 && g > 50 && g < 70 && b > 30 && b < 50)) = 1 ]
}

start
is_object "$(colour_at 240 180)" || fail "the object is not at its stored place: $(colour_at 240 180)"
DISPLAY=$display xdotool mousemove 240 180 mousedown 1 sleep 0.3 mousemove 280 230 sleep 0.3 \
  mousemove 340 300 sleep 0.5 mouseup 1
sleep 1
stop
x=$(stored 0X) y=$(stored 0Y)
echo "stored after the drag and Exit: $x, $y"
[ "$x" = 300 ] && [ "$y" = 270 ] || fail "expected 300, 270 after a drag by (100, 120)"
[ "$(stored 0Enable)" = 1 ] || fail "the object lost its flag"

start
is_object "$(colour_at 340 300)" || fail "after a new start the object is not at 300, 270"
is_object "$(colour_at 210 160)" && fail "after a new start the object still shows at 200, 150"
stop
echo "the object came back where it was left"
