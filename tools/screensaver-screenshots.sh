#!/bin/bash
# Screenshots of the Screen Saver and Background Screen Saver pages as the program
# shows them under Wine, with the test screen savers installed, one of them chosen and
# a wallpaper behind the preview: docs/screenshots/screen-saver-page.png and
# docs/screenshots/background-screen-saver-page.png. Needs a built tree (./dev build),
# ImageMagick, rsvg-convert, xdotool and Xvfb. The screen savers' own drawing in the
# preview is another process's child window, which Xvfb does not show.
#
#   tools/screensaver-screenshots.sh
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/tools/wine-common.sh"
tree=$(windows_run_tree "$root")
state=$(mktemp -d)
trap '"$root/tools/wine-env" stop "$state"; rm -rf "$state"' EXIT
"$root/tools/wine-env" start "$state" "$(windows_tree_loader "$tree")" >/dev/null
"$root/tools/install-fixture-savers" "$state" "$tree/tests/savers"
wine_use_state "$state"
export DISPLAY=$(cat "$state/display")

# A wallpaper for the preview area: the main window's backdrop, wider than the area.
rsvg-convert -w 1600 -h 988 "$root/resources/art/shell/backdrop-main.svg" \
  -o "$state/prefix/drive_c/windows/wallpaper.png"
desktop='HKCU\Control Panel\Desktop'
wine reg add "$desktop" /v Wallpaper /t REG_SZ /d 'C:\windows\wallpaper.png' /f >/dev/null 2>&1
wine reg add "$desktop" /v SCRNSAVE.EXE /t REG_SZ /d 'C:\windows\System32\OrvaneTwin.scr' /f >/dev/null 2>&1
wine reg add "$desktop" /v ScreenSaveActive /t REG_SZ /d 1 /f >/dev/null 2>&1
settings="$state/prefix/drive_c/users/$(whoami)/AppData/Roaming/Teskan/Orvane"
mkdir -p "$settings"
printf '[Settings]\r\nfAutoRun=0\r\niScreenSaverAutoChange=1\r\nstrWallaperScreensaverPath=C:\\windows\\OrvaneAurora.scr\r\n' \
  >"$settings/settings.ini"

"$root/tools/wine-run" "$state" "$tree/Orvane/Orvane.exe" &
sleep 8
window=$(xdotool search --name '^Orvane$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$window")"
width=$((WIDTH)) height=$((HEIGHT))
# The tabs are chosen with the keyboard, wherever the font puts them: a click on the
# first one, then the arrow key to the tab's index.
shoot() { # tab-index output
  xdotool mousemove $((X + 60)) $((Y + 62)) click 1
  sleep 1
  xdotool key --delay 150 Left Left Left Left Left Left Left Left Left Left
  for _ in $(seq "$1"); do xdotool key Right; sleep 0.3; done
  sleep 2
  import -window root -crop "${width}x${height}+$X+$Y" +repage "$root/docs/screenshots/$2"
}
shoot 4 screen-saver-page.png
shoot 3 background-screen-saver-page.png
