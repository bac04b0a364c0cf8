#!/bin/bash
# Screenshots of the Night Light tab in English and Russian, as the program shows it
# under Wine: docs/screenshots/nightlight-en.png and nightlight-ru.png. Needs a built
# tree (./dev build), xdotool, ImageMagick and Xvfb.
#
# Wine's own Tahoma is wider than the one of Windows (dialog units of 7 pixels instead
# of 6), which would push the page's right-hand controls past the 699-pixel page the
# main window gives it. The prefix of this script therefore draws "MS Shell Dlg" with
# DejaVu Sans Condensed, whose metrics match the Windows font's.
#
#   tools/nightlight-screenshots.sh [OUTPUT_FOLDER]
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-"$root/docs/screenshots"}
. "$root/tools/wine-common.sh"
tree=$(windows_run_tree "$root")
state=$(mktemp -d)
trap '"$root/tools/wine-env" stop "$state"; rm -rf "$state"' EXIT
"$root/tools/wine-env" start "$state" "$(windows_tree_loader "$tree")" >/dev/null
wine_use_state "$state"
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
    /v 'MS Shell Dlg' /t REG_SZ /d 'DejaVu Sans Condensed' /f >/dev/null 2>&1
export DISPLAY=$(cat "$state/display")
settings="$state/prefix/drive_c/users/$(whoami)/AppData/Roaming/Teskan/Orvane"
mkdir -p "$settings"

for language in English:en Russian:ru; do
    printf '[Settings]\r\nfAutoRun=0\r\nstrLanguage=%s\r\nfNightShiftSchedule=1\r\niNightShiftColourTemperature=3700\r\n' \
        "${language%%:*}" >"$settings/settings.ini"
    "$root/tools/wine-run" "$state" "$tree/Orvane/Orvane.exe" &
    program=$!
    window=
    for _ in $(seq 40); do
        window=$(xdotool search --name '^Orvane$' 2>/dev/null | head -1) && [ -n "$window" ] && break
        sleep 0.5
    done
    sleep 2
    eval "$(xdotool getwindowgeometry --shell "$window")"
    # Focus the tab control on its first tab, then step to the last tab, Night Light.
    xdotool mousemove $((X + 60)) $((Y + 60)) click 1
    sleep 0.5
    xdotool key --delay 150 Right Right Right Right Right Right Right Right Right
    xdotool mousemove 5 5
    sleep 1.5
    import -window root -crop "$((WIDTH + 4))x$((HEIGHT + 4))+$((X - 2))+$((Y - 2))" \
        +repage "$out/nightlight-${language#*:}.png"
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    echo "$out/nightlight-${language#*:}.png"
done
