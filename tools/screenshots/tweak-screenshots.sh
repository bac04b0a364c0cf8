#!/bin/bash
# Screenshots of the Tweaks tab and of each kind of tweak page as the program shows them
# under Wine, into docs/screenshots/tweak*.png. The end-to-end tests of the tab, the
# page-frame test (for the administrator notice, which Wine's user never sees) and the
# glass page's test (for a taskbar that cannot take the effect) save them as they run.
# Needs a built tree (./dev build), ImageMagick and Xvfb.
#
#   tools/screenshots/tweak-screenshots.sh [FOLDER]
set -eu

. "$(dirname "$0")/common.sh"
out=${1:-"$root/docs/screenshots"}

export ORVANE_SCREENSHOTS ORVANE_DIST
ORVANE_SCREENSHOTS=$(windows_path "$shots")
ORVANE_DIST=$(windows_path "$tree/Orvane")
in_wine "$tree/tests/orvane_e2e_tests.exe" --gtest_filter='TweaksTab.*' >/dev/null
in_wine "$tree/tests/orvane_win_tests.exe" \
  --gtest_filter='TweakPageTest.TheFrame*:TransparencyTest.WhereTheTaskbarCannot*' >/dev/null

mkdir -p "$out"
for shot in "$shots"/*.bmp; do
  name=$(basename "$shot" .bmp)
  convert "$shot" -strip -define png:exclude-chunks=date,time "$out/$name.png"
  echo "$out/$name.png"
done
