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
mkdir -p "$out"

run_screenshot_tests orvane_e2e_tests 'SettingsDialog.ALanguage*'
save_screenshots 'settings-*'
