#!/bin/bash
# Screenshots of the Night Light tab in English and Russian, as the program shows it
# under Wine: docs/screenshots/nightlight-en.png and nightlight-ru.png. Needs a built
# tree (./dev build), xdotool, ImageMagick and Xvfb.
#
# Wine's own Tahoma is wider than the one of Windows (dialog units of 7 pixels instead
# of 6), which would push the page's right-hand controls past the 699-pixel page the
# main window gives it. The prefix (tools/wine/wine-env) therefore draws "MS Shell Dlg"
# with DejaVu Sans Condensed, whose metrics match the Windows font's.
#
#   tools/screenshots/nightlight-screenshots.sh [OUTPUT_FOLDER]
set -eu

. "$(dirname "$0")/common.sh"
out=${1:-"$root/docs/screenshots"}
mkdir -p "$out"

for language in English:en Russian:ru; do
    settings_ini "strLanguage=${language%%:*}" fNightShiftSchedule=1 \
        iNightShiftColourTemperature=3700 >"$settings/settings.ini"
    start_orvane
    window=$(main_window)
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
    stop_orvane
    wineserver -k 2>/dev/null || true
    echo "$out/nightlight-${language#*:}.png"
done
