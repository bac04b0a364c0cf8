#!/bin/bash
# Check the rendered shell art against what the program expects of it:
#   - every icon in resources/icons/ holds each of its sizes as a 32-bit image
#     that uses its alpha channel (some pixels clear, some solid);
#   - the pictures in resources/png/ have their exact pixel sizes; the two
#     backgrounds are fully opaque, the 64 px mark has a transparent surround;
#   - resources/shell.rc names every one of them, with the right type and path.
#
# Needs ImageMagick (identify, convert) and icotool (icoutils).
# Usage: tools/checks/check-shell-art.sh [ROOT]   (ROOT defaults to the repository)
# Prints one line per problem and exits with 1 when there is any.
set -uo pipefail

ROOT=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
RES=$ROOT/resources
problems=0

problem() {
    echo "check-shell-art: $*"
    problems=$((problems + 1))
}

for tool in identify convert icotool; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "check-shell-art: $tool is missing (apt-get install -y imagemagick icoutils)" >&2
        exit 2
    fi
done

# id: sizes the icon must hold.
ICONS=(
    "128: 16 20 24 32 40 48 64 256"
    "366: 16 20 24 32" "367: 16 20 24 32" "368: 16 20 24 32" "563: 16 20 24 32"
    "369: 16 20 24 32" "370: 16 20 24 32" "681: 16 20 24 32" "371: 16 20 24 32"
    "372: 16 20 24 32" "373: 16 20 24 32"
    "565: 14 16 18 21 24 28 32" "337: 14 16 18 21 24 28 32" "236: 14 16 18 21 24 28 32"
)

# id width height alpha, where alpha is "opaque" (no pixel may be
# see-through) or "cutout" (clear pixels and solid ones both present).
PNGS=(
    "664 722 446 opaque"
    "665 451 391 opaque"
    "545 64 64 cutout"
    "515 700 300 opaque"
    "516 700 393 opaque"
    "667 700 398 opaque"
    "666 700 398 opaque"
    "562 700 398 opaque"
    "530 640 466 opaque"
)

# Lowest and highest alpha (0..255) of an image, "min max".
alpha_range() {
    convert "$1" -alpha extract -format '%[fx:round(255*minima)] %[fx:round(255*maxima)]' info: 2>/dev/null
}

rc_has() { # type id path
    grep -Eq "^[[:space:]]*$2[[:space:]]+$1[[:space:]]+\"$3\"" "$RES/shell.rc"
}

if [ ! -f "$RES/shell.rc" ]; then
    problem "resources/shell.rc is missing"
fi

for row in "${ICONS[@]}"; do
    id=${row%%:*}
    file=$RES/icons/$id.ico
    if [ ! -f "$file" ]; then
        problem "icons/$id.ico is missing"
        continue
    fi
    [ -f "$RES/shell.rc" ] && ! rc_has ICON "$id" "icons/$id.ico" &&
        problem "shell.rc has no line '$id ICON \"icons/$id.ico\"'"

    listing=$(icotool -l "$file" 2>/dev/null) || {
        problem "icons/$id.ico is not a readable icon"
        continue
    }
    for size in ${row#*:}; do
        entry=$(grep -E -- "--width=$size --height=$size " <<<"$listing" | head -n 1)
        if [ -z "$entry" ]; then
            problem "icons/$id.ico has no ${size}x$size image"
            continue
        fi
        if ! grep -q -- "--bit-depth=32" <<<"$entry"; then
            problem "icons/$id.ico: the ${size}x$size image is not 32-bit"
        fi
        index=$(sed -E 's/.*--index=([0-9]+).*/\1/' <<<"$entry")
        read -r lo hi <<<"$(alpha_range "$file[$((index - 1))]")"
        if [ -z "${hi:-}" ]; then
            problem "icons/$id.ico: the ${size}x$size image cannot be read"
        elif [ "$lo" -ne 0 ] || [ "$hi" -ne 255 ]; then
            problem "icons/$id.ico: the ${size}x$size image does not use its alpha (alpha $lo..$hi)"
        fi
    done
done

for row in "${PNGS[@]}"; do
    read -r id w h alpha <<<"$row"
    file=$RES/png/$id.png
    if [ ! -f "$file" ]; then
        problem "png/$id.png is missing"
        continue
    fi
    [ -f "$RES/shell.rc" ] && ! rc_has PNG "$id" "png/$id.png" &&
        problem "shell.rc has no line '$id PNG \"png/$id.png\"'"

    format=$(identify -format '%m %w %h' "$file" 2>/dev/null)
    if [ "$format" != "PNG $w $h" ]; then
        problem "png/$id.png is '${format:-unreadable}', expected a PNG of $w x $h"
        continue
    fi
    read -r lo hi <<<"$(alpha_range "$file")"
    case $alpha in
    opaque)
        [ "$lo" -eq 255 ] || problem "png/$id.png must be opaque, its alpha goes down to $lo"
        ;;
    cutout)
        if [ "$lo" -ne 0 ] || [ "$hi" -ne 255 ]; then
            problem "png/$id.png needs a transparent surround (alpha $lo..$hi)"
        fi
        ;;
    esac
done

if [ "$problems" -gt 0 ]; then
    exit 1
fi
