#!/bin/bash
# Screenshots of the Logon Screen and Cursor tabs as the program shows them under Wine,
# which pretends to be Windows 7 for Orvane.exe so that the Logon Screen tab exists.
# The logon image is "Sea" and the "Aurora" cursor theme is chosen. The main window is
# cut out of the virtual screen into docs/screenshots/logon-tab.png and cursor-tab.png.
# Needs a built tree (./dev build), ImageMagick, xdotool and Xvfb.
#
#   tools/screenshots/personalize-screenshots.sh [OUTPUT_DIR]
set -eu

. "$(dirname "$0")/common.sh"
out=${1:-"$root/docs/screenshots"}
mkdir -p "$out"
wine reg add 'HKCU\Software\Wine\AppDefaults\Orvane.exe' /v Version /t REG_SZ /d win7 /f >/dev/null 2>&1

backgrounds="$state/prefix/drive_c/windows/system32/oobe/info/backgrounds"
mkdir -p "$backgrounds"
cp "$tree/Orvane/logon/sea.jpg" "$backgrounds/backgroundDefault.jpg"
theme="Z:$(echo "$tree/Orvane/cursors/Aurora" | tr / '\\')"
settings_ini strLogonScreenImage=sea "strCursorPath=$theme" >"$settings/settings.ini"

start_orvane
window=$(main_window)
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
