#!/bin/bash
# Build docs/art/sprites-contact-sheet.png from the rendered sprites: every picture
# labelled with its resource id, one block per effect, once on mid-grey and once on
# dark blue so that light and dark sprites can both be judged. Needs ImageMagick.
#
#   tools/art/contact-sheet.sh [OUTPUT.png [TITLE]]
#
# With a TITLE, only the blocks whose title begins with it.
set -eu

root=$(cd "$(dirname "$0")/../.." && pwd)
list="$root/resources/art/sprites/ids.txt"
pngdir="$root/resources/png"
out=${1:-"$root/docs/art/sprites-contact-sheet.png"}
only=${2:-}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Split ids.txt into groups: a "# Title" comment directly before id lines opens one.
group=0
title=
while IFS= read -r line; do
    case "$line" in
    '# '*) title=${line#\# } ;;
    [0-9]*)
        if [ -n "$title" ] && [ -n "$only" ] && [[ "$title" != "$only"* ]]; then
            title=
            skipping=yes
        fi
        if [ -n "$title" ]; then
            skipping=
            group=$((group + 1))
            printf '%s\n' "${title%% (*}" >"$tmp/g$group.title"
            title=
        fi
        [ -z "${skipping:-}" ] || continue
        id=${line%% *}
        printf '%s\n' "$pngdir/$id.png" >>"$tmp/g$group.list"
        ;;
    *) title= ;;
    esac
done <"$list"

mkdir -p "$(dirname "$out")"
panel() { # NAME BACKGROUND LABEL-COLOUR
    local blocks=() g
    for ((g = 1; g <= group; g++)); do
        mapfile -t files <"$tmp/g$g.list"
        montage -label '%t' "${files[@]}" -background "$2" -fill "$3" -font DejaVu-Sans -pointsize 11 \
            -title "$(cat "$tmp/g$g.title")" -tile "$(( ${#files[@]} < 12 ? ${#files[@]} : 12 ))x" \
            -geometry +5+3 "$tmp/$1-$g.png"
        blocks+=("$tmp/$1-$g.png")
    done
    montage "${blocks[@]}" -background "$2" -tile 1x -geometry +0+6 -gravity west "$tmp/$1.png"
}
panel grey '#808080' black
panel blue '#1a2a6a' white
montage "$tmp/grey.png" "$tmp/blue.png" -background '#404040' -tile 2x -geometry +4+4 \
    -gravity north -depth 8 "$out"
