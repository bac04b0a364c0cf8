#!/bin/bash
# A screenshot of the Background Picture page as the program shows it under Wine: a
# folder of generated pictures (landscape, 4:3, portrait and an unreadable file) is
# the slideshow's folder, the second picture is the wallpaper in use, and the main
# window is captured once every thumbnail has arrived. Needs a built tree (./dev build),
# ImageMagick, xdotool and Xvfb.
#
#   tools/screenshots/wallpaper-page-screenshot.sh [OUTPUT.png [LANGUAGE]]
set -eu

. "$(dirname "$0")/common.sh"
out=${1:-"$root/docs/screenshots/background-picture.png"}
mkdir -p "$(dirname "$out")"
language=${2:-English}
# The pictures lie on the prefix's drive C (its user folders lead to the home folder).
pictures="$state/prefix/drive_c/Wallpapers"
folder='C:\Wallpapers'
mkdir -p "$pictures"

# Pictures: skies, seas and fields drawn from gradients and fractal noise.
scene() { # NAME WIDTH HEIGHT SKY-FROM SKY-TO GROUND-FROM GROUND-TO
  local sky=$(($3 * 3 / 5))
  convert -size "$2x$sky" "gradient:$4-$5" \
    \( -size "$2x$(($3 - sky))" "gradient:$6-$7" \( -size "$2x$(($3 - sky))" plasma:fractal \
    -blur 0x3 -colorspace Gray \) -compose Overlay -composite \) -append \
    -fill 'rgba(255,255,230,0.85)' -draw "circle $(($2 * 7 / 10)),$(($3 / 4)) $(($2 * 7 / 10 + $3 / 14)),$(($3 / 4))" \
    -quality 90 "$pictures/$1"
}
scene "Alpine morning.jpg" 1920 1080 '#5b8fd6' '#f3d9b1' '#3f6b3a' '#9bbf5e'
scene "Blue hour.jpg" 1920 1080 '#0b1d4a' '#6e5a9e' '#1a2433' '#3a4d6b'
scene "Dunes.jpg" 1600 1200 '#f7a95b' '#fde3a7' '#c47b32' '#e9b36b'
scene "Harbour.png" 1366 768 '#7fb7e8' '#dff1ff' '#1f5f8b' '#3f8fbf'
scene "Lavender.jpg" 1280 720 '#a4b8e3' '#f6e2f1' '#6a4c93' '#b48ad1'
scene "Meadow.bmp" 800 600 '#9fd3f5' '#ffffff' '#4c8a2b' '#a8d05a'
scene "Night sky.jpg" 2560 1440 '#020611' '#1d2a55' '#0b0f1a' '#1b2233'
scene "Poplars.jpg" 1080 1920 '#87b5e5' '#fff4d6' '#5f7f2f' '#c9c25a'
scene "Storm.jpg" 1920 1200 '#3b4250' '#9aa3ad' '#2d3a2a' '#56654a'
printf 'not a picture' >"$pictures/Unreadable.jpg"

settings_ini "strLanguage=$language" iWallaperAutoChange=7 fWallaperAutoChangeShuffle=1 \
  '[WallpapersFolders]' "0=$folder" >"$settings/settings.ini"
wine reg add 'HKCU\Control Panel\Desktop' /v Wallpaper /t REG_SZ /d "$folder\\Blue hour.jpg" /f >/dev/null 2>&1
wine reg add 'HKCU\Control Panel\Desktop' /v WallpaperStyle /t REG_SZ /d 10 /f >/dev/null 2>&1
wine reg add 'HKCU\Control Panel\Desktop' /v TileWallpaper /t REG_SZ /d 0 /f >/dev/null 2>&1

start_orvane
# Long enough for every thumbnail to arrive.
sleep 15
window=$(main_window)
import -window "$window" "$out"
stop_orvane
echo "$out"
