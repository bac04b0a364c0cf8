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
mkdir -p "$out"

run_screenshot_tests orvane_e2e_tests 'TweaksTab.*'
run_screenshot_tests orvane_win_tests 'TweakPageTest.TheFrame*:TransparencyTest.WhereTheTaskbarCannot*'
save_screenshots
