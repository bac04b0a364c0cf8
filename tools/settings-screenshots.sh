#!/bin/bash
# Screenshots of the general settings dialog in English, Russian and German as the
# program shows them under Wine, into docs/screenshots/settings-*.png. The end-to-end
# test of the language list saves them as it switches languages. Needs a built tree
# (./dev build), ImageMagick and Xvfb.
#
#   tools/settings-screenshots.sh [FOLDER]
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-"$root/docs/screenshots"}
. "$root/tools/wine-common.sh"
tree=$(windows_run_tree "$root")
state=$(mktemp -d)
shots=$(mktemp -d)
trap '"$root/tools/wine-env" stop "$state"; rm -rf "$state" "$shots"' EXIT
"$root/tools/wine-env" start "$state" "$(windows_tree_loader "$tree")" >/dev/null

export ORVANE_SCREENSHOTS ORVANE_DIST
ORVANE_SCREENSHOTS="Z:${shots//\//\\}"
ORVANE_DIST="Z:${tree//\//\\}\\Orvane"
"$root/tools/wine-run" "$state" "$tree/tests/orvane_e2e_tests.exe" \
  --gtest_filter='SettingsDialog.ALanguage*' >/dev/null

mkdir -p "$out"
for shot in "$shots"/settings-*.bmp; do
  convert "$shot" -strip -define png:exclude-chunks=date,time "$out/$(basename "$shot" .bmp).png"
  echo "$out/$(basename "$shot" .bmp).png"
done
