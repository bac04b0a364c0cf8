#!/bin/bash
# Render the main window's and About box's art from the SVG sources in
# resources/art/shell/ into resources/icons/<id>.ico and resources/png/<id>.png,
# and redraw the contact sheet and the main-window mock-up in docs/art/.
#
# Needs rsvg-convert (librsvg2-bin), icotool (icoutils) and ImageMagick
# (convert, identify). A file is only replaced when its bytes change, so a
# second run leaves the tree as it was. Prints nothing on success.
#
# Usage: tools/art/render-shell-art.sh
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/../.." && pwd)
ART=$ROOT/resources/art/shell
ICONS=$ROOT/resources/icons
PNGS=$ROOT/resources/png
DOCS=$ROOT/docs/art

for tool in rsvg-convert icotool convert identify; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "render-shell-art: $tool is missing (apt-get install -y librsvg2-bin icoutils imagemagick)" >&2
        exit 1
    fi
done

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$ICONS" "$PNGS" "$DOCS"

# ImageMagick stamps PNGs with dates; leave them out so the output is stable.
IMPNG=(-strip -define png:exclude-chunks=date,time)

# Put $1 in place of $2 unless $2 already holds the same bytes.
install_if_changed() {
    if ! cmp -s "$1" "$2"; then
        cp "$1" "$2"
    fi
}

# Icons: id, then size:source pairs, with the sizes the program loads at 100 % to 200 %
# display scaling (tabs 16 to 32 px, page buttons 14 to 28 px). A source drawn on a
# 16 px grid renders crisply at 16 and 32; the program mark has its own drawings for the small
# sizes and the large one for 40 px and up.
ICON_TABLE=(
    "128 16:orvane-16 20:orvane-20 24:orvane-24 32:orvane-32 40:orvane 48:orvane 64:orvane 256:orvane"
    "366 16:tab-picture 20:tab-picture 24:tab-picture 32:tab-picture"
    "367 16:tab-video 20:tab-video 24:tab-video 32:tab-video"
    "368 16:tab-web 20:tab-web 24:tab-web 32:tab-web"
    "563 16:tab-bgsaver 20:tab-bgsaver 24:tab-bgsaver 32:tab-bgsaver"
    "369 16:tab-saver 20:tab-saver 24:tab-saver 32:tab-saver"
    "370 16:tab-logon 20:tab-logon 24:tab-logon 32:tab-logon"
    "681 16:tab-cursor 20:tab-cursor 24:tab-cursor 32:tab-cursor"
    "371 16:tab-effects 20:tab-effects 24:tab-effects 32:tab-effects"
    "372 16:tab-tweaks 20:tab-tweaks 24:tab-tweaks 32:tab-tweaks"
    "373 16:tab-nightlight 20:tab-nightlight 24:tab-nightlight 32:tab-nightlight"
    "565 14:help-14 16:help-16 18:help-16 21:help-24 24:help-24 28:help-24 32:help-16"
    "337 14:link 16:link 18:link 21:link 24:link 28:link 32:link"
    "236 14:refresh 16:refresh 18:refresh 21:refresh 24:refresh 28:refresh 32:refresh"
)

# Pictures: id, source, width, height.
PNG_TABLE=(
    "664 backdrop-main 722 446"
    "665 backdrop-about 451 391"
    "545 orvane 64 64"
    "515 page-video 700 300"
    "516 page-web 700 393"
    "667 page-logon 700 398"
    "666 page-saver 700 398"
    "562 page-bgsaver 700 398"
    "530 backdrop-settings 640 466"
)

for row in "${ICON_TABLE[@]}"; do
    read -r id pairs <<<"$row"
    args=()
    for pair in $pairs; do
        size=${pair%%:*}
        src=${pair#*:}
        out=$WORK/$id-$size.png
        rsvg-convert -w "$size" -h "$size" "$ART/$src.svg" -o "$out"
        if [ "$size" -ge 256 ]; then
            args+=(--raw="$out")       # stored as PNG inside the icon
        else
            args+=("$out")
        fi
    done
    icotool -c -b 32 -o "$WORK/$id.ico" "${args[@]}"
    install_if_changed "$WORK/$id.ico" "$ICONS/$id.ico"
done

for row in "${PNG_TABLE[@]}"; do
    read -r id src w h <<<"$row"
    rsvg-convert -w "$w" -h "$h" "$ART/$src.svg" -o "$WORK/$id.png"
    install_if_changed "$WORK/$id.png" "$PNGS/$id.png"
done

# Contact sheet: every icon image enlarged 4x without smoothing, on a light
# checker so transparency shows, then the three pictures at their own size.
tile() { # in out
    convert -size "$(identify -format '%wx%h' "$1")" pattern:checkerboard \
        -fill '#F4F4F4' -colorize 70% "$1" -composite \
        -filter point -resize 400% "${IMPNG[@]}" "$2"
}
rows=()
for row in "${ICON_TABLE[@]}"; do
    read -r id pairs <<<"$row"
    tiles=()
    for pair in $pairs; do
        size=${pair%%:*}
        [ "$size" -le 64 ] || continue   # the 256 px mark is shown below
        tile "$WORK/$id-$size.png" "$WORK/t-$id-$size.png"
        tiles+=("$WORK/t-$id-$size.png")
    done
    convert -background '#D8DEE6' "${tiles[@]}" -bordercolor '#D8DEE6' -border 4 \
        -gravity center +append "${IMPNG[@]}" "$WORK/row-$id.png"
    rows+=("$WORK/row-$id.png")
done
convert -background '#D8DEE6' "${rows[@]}" -gravity west -append \
    "${IMPNG[@]}" "$WORK/icons.png"
convert -background '#D8DEE6' "$WORK/128-256.png" "$PNGS/545.png" "$PNGS/665.png" \
    -bordercolor '#D8DEE6' -border 4 -gravity north +append "${IMPNG[@]}" "$WORK/marks.png"
convert -background '#D8DEE6' "$WORK/icons.png" \( "$PNGS/664.png" -bordercolor '#D8DEE6' -border 4 \) \
    "$WORK/marks.png" -gravity west -append -bordercolor '#D8DEE6' -border 8 \
    "${IMPNG[@]}" "$WORK/sheet.png"
install_if_changed "$WORK/sheet.png" "$DOCS/shell-contact-sheet.png"

# Main-window mock-up: picture 664 with the tab control drawn over it where
# the dialog puts it (7, 7, 467 x 258 dialog units = 11, 11, 700 x 419 px at
# 96 dpi), its ten tabs with their icons, and the About box beside it with
# the mark at (191, 11).
mock=(convert "$PNGS/664.png"
    -fill '#F9F9F9' -stroke '#ADB6C2' -draw 'rectangle 11,32 710,429'
    -fill '#FFFFFF' -stroke '#ADB6C2' -draw 'rectangle 11,11 80,32')
x=80
for id in 367 368 563 369 370 681 371 372 373; do
    mock+=(-fill '#EEF1F5' -stroke '#ADB6C2' -draw "rectangle $x,13 $((x + 60)),32")
    x=$((x + 60))
done
mock+=(-stroke none -fill '#FFFFFF' -draw 'rectangle 12,32 79,33'
    -fill '#E9EDF2' -stroke '#C3CBD5' -draw 'rectangle 24,48 696,412')
x=18
for id in 366 367 368 563 369 370 681 371 372 373; do
    mock+=("$WORK/$id-16.png" -geometry "+$x+15" -composite
        -fill '#8C96A3' -stroke none -draw "rectangle $((x + 21)),21 $((x + 48)),24")
    if [ "$x" = 18 ]; then x=86; else x=$((x + 60)); fi
done
mock+=("${IMPNG[@]}" "$WORK/mock-main.png")
"${mock[@]}"
convert "$PNGS/665.png" "$PNGS/545.png" -geometry +191+11 -composite \
    -fill '#FFFFFF' -stroke '#8A94A3' -draw 'rectangle 15,110 435,330' \
    -fill '#00D200' -stroke none -draw 'rectangle 15,14 87,28' \
    -fill '#000000' -draw 'rectangle 15,38 79,46' \
    "${IMPNG[@]}" "$WORK/mock-about.png"
convert -background '#D8DEE6' "$WORK/mock-main.png" "$WORK/mock-about.png" \
    -bordercolor '#D8DEE6' -border 6 -gravity north +append -border 6 \
    "${IMPNG[@]}" "$WORK/mock.png"
install_if_changed "$WORK/mock.png" "$DOCS/main-window-mock.png"
