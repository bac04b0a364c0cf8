#!/bin/bash
# The program's own cost of one frame of every particle and glow effect at its heaviest
# setting under Wine, beside the empty frame, at the overlay's size on a 1920 × 1080
# screen and at 3840 × 2160: orvane_wine_framerate's "draw" mode in a fresh prefix of
# the built tree's Windows build (64-bit where the host cannot run 32-bit programs).
# Figures for docs/performance.md. Needs a built tree (./dev build) and Xvfb.
#
#   benchmarks/wine-frames.sh [FRAMES [PROGRAM]]
#
# FRAMES per figure (the slowest get a tenth). PROGRAM is another build of
# orvane_wine_framerate.exe to measure, 32- or 64-bit (one kept from before a change, say).
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
frames=${1:-500}
. "$root/tools/wine/wine-common.sh"
tree=$(windows_run_tree "$root")
bench=${2:-"$tree/benchmarks/orvane_wine_framerate.exe"}
# The PE header's machine field: 8664 for x86-64, 014c for x86.
header=$(od -An -tu4 -j60 -N4 "$bench" | tr -d ' ')
machine=$(od -An -tx2 -j $((header + 4)) -N2 "$bench" | tr -d ' ')
loader=wine
[ "$machine" != 8664 ] || loader=/usr/lib/wine/wine64
state=$(mktemp -d)
trap '"$root/tools/wine/wine-env" stop "$state"; rm -rf "$state"' EXIT
"$root/tools/wine/wine-env" start "$state" "$loader" >/dev/null
echo "program: $bench ($loader); load average before: $(cut -d' ' -f1-3 /proc/loadavg)"

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
