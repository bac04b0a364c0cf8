#!/bin/bash
# The program's own cost of one frame of every particle and glow effect at its heaviest
# setting under Wine, beside the empty frame, at the overlay's size on a 1920 × 1080
# screen and at 3840 × 2160: orvane_wine_framerate's "draw" mode in a fresh prefix of
# the built tree's Windows build (64-bit where the host cannot run 32-bit programs).
# Figures for docs/performance.md. Needs a built tree (./dev build) and Xvfb.
#
#   benchmarks/wine-frames.sh [FRAMES]   (FRAMES per figure; the slowest get a tenth)
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
frames=${1:-500}
. "$root/tools/wine/wine-common.sh"
tree=$(windows_run_tree "$root")
state=$(mktemp -d)
trap '"$root/tools/wine/wine-env" stop "$state"; rm -rf "$state"' EXIT
"$root/tools/wine/wine-env" start "$state" "$(windows_tree_loader "$tree")" >/dev/null
echo "tree: $tree; load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
bench="$tree/benchmarks/orvane_wine_framerate.exe"

for size in "1920 1079" "3840 2160"; do
  for effect in Empty SpaceFlight Confetti Rain Smoke Fireflies Lightning Garland:Lights \
    Garland:Icicles Cursor:BUBBLES Cursor:CLICK_EXPLOSION Cursor:CLICK_FLOWERS Cursor:DOTS \
    Cursor:FAIRY_DUST Cursor:FLASH_LIGHT Cursor:MARKER_PEN Cursor:INTERSECTION \
    Cursor:PENCIL Cursor:TRAIL; do
    n=$frames
    case $effect in Smoke | SpaceFlight) n=$((frames / 10)) ;; esac
    # shellcheck disable=SC2086 # the size is two arguments
    "$root/tools/wine/wine-run" "$state" "$bench" draw "$effect" "$n" 9 $size 2>/dev/null | tr -d '\r'
  done
done
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
