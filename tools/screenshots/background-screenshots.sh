#!/bin/bash
# Screenshots of the Background Video and Background Web pages as the program shows them
# under Wine, in docs/screenshots/: the video page with a chosen file, the video page
# blocked because the system's animations are off, and the web page with the web
# background running behind the fixture shell's icons (the page names the engine).
# Needs a built tree (./dev build), ImageMagick, xdotool and Xvfb.
#
#   tools/screenshots/background-screenshots.sh [OUTPUT_FOLDER]
set -eu

. "$(dirname "$0")/common.sh"
out=${1:-"$root/docs/screenshots"}
mkdir -p "$out"
videos="$state/prefix/drive_c/users/$(whoami)/Videos"
mkdir -p "$videos"
printf 'RIFF' >"$videos/Ocean waves.avi"
video_path="C:\\users\\$(whoami)\\Videos\\Ocean waves.avi"

# Runs Orvane with the setting given (a key=value line), opens the tab at the x offset
# given in the main window (Windows' dialog-font metrics, as the prefix gives them), and
# captures the window.
shoot() {
  local name=$1 tab_x=$2 keys=$3 window
  settings_ini "$keys" | iconv -f UTF-8 -t UTF-16 >"$settings/settings.ini"
  start_orvane
  window=$(main_window)
  sleep ${settle:-3}
  xdotool mousemove --window "$window" "$tab_x" 63 click 1
  xdotool mousemove --window "$window" 5 300
  sleep 2
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$name.png"
  stop_orvane
  wineserver -k 2>/dev/null || true
  echo "$out/$name.png"
}

shoot background-video-page 210 "strWallaperVideoPath=$video_path"
wine reg add 'HKCU\Control Panel\Desktop' /v UserPreferencesMask /t REG_BINARY \
  /d 9e1e078013000000 /f >/dev/null 2>&1
shoot background-video-page-blocked 210 "strWallaperVideoPath=$video_path"
wine reg add 'HKCU\Control Panel\Desktop' /v UserPreferencesMask /t REG_BINARY \
  /d 9e1e078012000000 /f >/dev/null 2>&1

# The shell's Windows 11 24H2 layout: its windows exist before the program's and the
# background's start adds none above the main window.
in_wine "$tree/tests/orvane_desktop_shell.exe" 24h2 &
sleep 3
settle=10 shoot background-web-page 330 "fWallaperWebEnable=1"
