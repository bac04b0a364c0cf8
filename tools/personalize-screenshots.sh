#!/bin/bash
# Screenshots of the Logon Screen and Cursor tabs as the program shows them under Wine,
# which pretends to be Windows 7 for Orvane.exe so that the Logon Screen tab exists.
# The logon image is "Sea" and the "Aurora" cursor theme is chosen. The main window is
# cut out of the virtual screen into docs/screenshots/logon-tab.png and cursor-tab.png.
# Needs a built tree (./dev build), ImageMagick, xdotool and Xvfb.
#
#   tools/personalize-screenshots.sh [OUTPUT_DIR]
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-"$root/docs/screenshots"}
. "$root/tools/wine-common.sh"
tree=$(windows_run_tree "$root")
state=$(mktemp -d)
shots=$(mktemp -d)
trap '"$root/tools/wine-env" stop "$state"; rm -rf "$state" "$shots"' EXIT
"$root/tools/wine-env" start "$state" "$(windows_tree_loader "$tree")" >/dev/null
display=$(cat "$state/display")
wine_use_state "$state"
wine reg add 'HKCU\Software\Wine\AppDefaults\Orvane.exe' /v Version /t REG_SZ /d win7 /f >/dev/null 2>&1

prefix="$state/prefix"
settings="$prefix/drive_c/users/$(whoami)/AppData/Roaming/Teskan/Orvane"
mkdir -p "$settings" "$prefix/drive_c/windows/system32/oobe/info/backgrounds"
cp "$tree/Orvane/logon/sea.jpg" "$prefix/drive_c/windows/system32/oobe/info/backgrounds/backgroundDefault.jpg"
theme="Z:$(echo "$tree/Orvane/cursors/Aurora" | tr / '\\')"
printf '[Settings]\r\nfAutoRun=0\r\nstrLogonScreenImage=sea\r\nstrCursorPath=%s\r\n' "$theme" \
  >"$settings/settings.ini"

"$root/tools/wine-run" "$state" "$tree/Orvane/Orvane.exe" &
program=$!
export DISPLAY=$display
window=""
for _ in $(seq 60); do
  window=$(xdotool search --name '^Orvane$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 1
done
[ -n "$window" ] || { echo "personalize-screenshots: no main window" >&2; exit 1; }
sleep 3
eval "$(xdotool getwindowgeometry --shell "$window")"
# Focus the first tab, then walk right with the arrow keys: the sixth tab is the Logon
# Screen, the seventh the Cursor tab.
xdotool mousemove $((X + 70)) $((Y + 62)) click 1
sleep 1
for page in logon-tab cursor-tab; do
  if [ $page = logon-tab ]; then steps=5; else steps=1; fi
  for _ in $(seq $steps); do xdotool key Right; sleep 0.4; done
  xdotool mousemove $((X + WIDTH + 40)) $((Y + 10))
  sleep 2
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shots/$page.png"
  cp "$shots/$page.png" "$out/$page.png"
  echo "$out/$page.png"
done
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
