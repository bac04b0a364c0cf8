#!/bin/bash
# Screenshots of the general settings dialog in English, Russian and German as the
# program shows them under Wine, into docs/screenshots/settings-*.png. The end-to-end
# test of the language list saves them as it switches languages. Needs a built tree
# (./dev build), ImageMagick and Xvfb.
#
#   tools/screenshots/settings-screenshots.sh [FOLDER]
set -eu

. "$(dirname "$0")/common.sh"
out=${1:-"$root/docs/screenshots"}

export ORVANE_SCREENSHOTS ORVANE_DIST
ORVANE_SCREENSHOTS=$(windows_path "$shots")
ORVANE_DIST=$(windows_path "$tree/Orvane")
in_wine "$tree/tests/orvane_e2e_tests.exe" --gtest_filter='SettingsDialog.ALanguage*' >/dev/null

mkdir -p "$out"
for shot in "$shots"/settings-*.bmp; do
  convert "$shot" -strip -define png:exclude-chunks=date,time "$out/$(basename "$shot" .bmp).png"
  echo "$out/$(basename "$shot" .bmp).png"
done
