#!/bin/bash
# Screenshots of the Screen Saver and Background Screen Saver pages as the program
# shows them under Wine, with the test screen savers installed, one of them chosen and
# a wallpaper behind the preview: screen-saver-page.png and
# background-screen-saver-page.png in OUTPUT_DIR (default docs/screenshots). Needs a built tree (./dev build),
# ImageMagick, rsvg-convert, xdotool and Xvfb. The screen savers' own drawing in the
# preview is another process's child window, which Xvfb does not show.
#
#   tools/screenshots/screensaver-screenshots.sh [OUTPUT_DIR]
set -eu

. "$(dirname "$0")/common.sh"
out=${1:-"$root/docs/screenshots"}
mkdir -p "$out"
"$root/tools/wine/install-fixture-savers" "$state" "$tree/tests/savers"

# A wallpaper for the preview area: the main window's backdrop, wider than the area.
rsvg-convert -w 1600 -h 988 "$root/resources/art/shell/backdrop-main.svg" \
  -o "$state/prefix/drive_c/windows/wallpaper.png"
desktop='HKCU\Control Panel\Desktop'
wine reg add "$desktop" /v Wallpaper /t REG_SZ /d 'C:\windows\wallpaper.png' /f >/dev/null 2>&1
wine reg add "$desktop" /v SCRNSAVE.EXE /t REG_SZ /d 'C:\windows\System32\OrvaneTwin.scr' /f >/dev/null 2>&1
wine reg add "$desktop" /v ScreenSaveActive /t REG_SZ /d 1 /f >/dev/null 2>&1
settings_ini iScreenSaverAutoChange=1 'strWallaperScreensaverPath=C:\windows\OrvaneAurora.scr' \
  >"$settings/settings.ini"

start_orvane
window=$(main_window)
sleep 3
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
  import -window root -crop "${width}x${height}+$X+$Y" +repage "$out/$2"
}
shoot 4 screen-saver-page.png
shoot 3 background-screen-saver-page.png
