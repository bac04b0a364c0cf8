#!/bin/bash
# Screenshots of two effects at 100 % and at 150 % display scaling (96 and 144 DPI, set
# in the prefix as Windows' own setting): Balloons (sprites) and Lights and Garlands. At
# 150 % the same scene fills the whole screen with every piece one and a half times as
# large. Orvane starts hidden in the tray with only that effect on; the whole virtual
# screen is captured, and the four captures are put side by side, scaled down, in
# OUTPUT (default docs/screenshots/effects-at-100-and-150-percent.png).
# Needs a built tree (./dev build), ImageMagick and Xvfb.
#
#   tools/screenshots/scaled-effect-screenshots.sh [OUTPUT.png]
set -eu

. "$(dirname "$0")/common.sh"
out=${1:-"$root/docs/screenshots/effects-at-100-and-150-percent.png"}
mkdir -p "$(dirname "$out")"

panels=()
for effect in Balloons:fEffectsBalloons:iEffectsBalloonsDensity=5 Garland:fGarland:iGarlandKind=1; do
  IFS=: read -r name key extra <<<"$effect"
  for dpi in 96 144; do
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f >/dev/null 2>&1
    settings_ini "$key=1" "$extra" >"$settings/settings.ini"
    start_orvane -auto
    sleep 15
    shot="$shots/$name-$((dpi * 100 / 96)).png"
    import -window root "$shot"
    stop_orvane
    panels+=("$shot")
  done
done

montage -label '%t' "${panels[@]}" -resize 800x -tile 2x -geometry +4+4 \
  -background '#333' -fill white -font DejaVu-Sans -pointsize 16 \
  -strip -define png:exclude-chunks=date,time "$out"
echo "$out"
