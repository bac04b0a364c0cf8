#!/bin/bash
# Screenshots of the Tweaks tab and of each kind of tweak page as the program shows them
# under Wine, into docs/screenshots/tweak*.png. The end-to-end tests of the tab, the
# page-frame test (for the administrator notice, which Wine's user never sees) and the
# glass page's test (for a taskbar that cannot take the effect) save them as they run.
# Needs a built tree (./dev build), ImageMagick and Xvfb.
#
#   tools/tweak-screenshots.sh [FOLDER]
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-"$root/docs/screenshots"}
. "$root/tools/wine-common.sh"
tree=$(windows_run_tree "$root")
state=$(mktemp -d)
shots=$(mktemp -d)
trap '"$root/tools/wine-env" stop "$state"; rm -rf "$state" "$shots"' EXIT
"$root/tools/wine-env" start "$state" "$(windows_tree_loader "$tree")" >/dev/null

windows_path() { echo "Z:${1//\//\\}"; }
export ORVANE_SCREENSHOTS ORVANE_DIST
ORVANE_SCREENSHOTS=$(windows_path "$shots")
ORVANE_DIST=$(windows_path "$tree/Orvane")
"$root/tools/wine-run" "$state" "$tree/tests/orvane_e2e_tests.exe" --gtest_filter='TweaksTab.*' >/dev/null
"$root/tools/wine-run" "$state" "$tree/tests/orvane_win_tests.exe" \
  --gtest_filter='TweakPageTest.TheFrame*:TransparencyTest.WhereTheTaskbarCannot*' >/dev/null

mkdir -p "$out"
for shot in "$shots"/*.bmp; do
  name=$(basename "$shot" .bmp)
  convert "$shot" -strip -define png:exclude-chunks=date,time "$out/$name.png"
  echo "$out/$name.png"
done
