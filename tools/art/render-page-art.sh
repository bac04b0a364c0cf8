#!/bin/bash
# Render the pictures of the Effects tab and the effect control pages from their SVG
# sources in resources/art/pages/ into resources/png/<id>.png, at the sizes listed in
# resources/art/pages/ids.txt, and redraw docs/art/effect-pages-contact-sheet.png.
#
# The sources draw the effects' own sprites by file name; librsvg reads referenced files
# only from the source's folder, so sources and sprites are rendered from one temporary
# folder. Needs rsvg-convert (librsvg2-bin) and ImageMagick. A file is only replaced when
# its bytes change. Prints nothing on success.
#
#   tools/art/render-page-art.sh [OUTDIR]     (OUTDIR defaults to resources/png; the contact
#                                         sheet is drawn only for the default)
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
art=$root/resources/art/pages
out=${1:-$root/resources/png}
for tool in rsvg-convert convert montage; do
    command -v "$tool" >/dev/null 2>&1 || {
        echo "render-page-art: $tool is missing (apt-get install -y librsvg2-bin imagemagick)" >&2
        exit 2
    }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root"/resources/art/sprites/*.svg "$art"/*.svg "$work/"
mkdir -p "$out"

status=0
tiles=()
while read -r id file size extra; do
    case "$id" in '' | '#'*) continue ;; esac
    if [ -n "${extra:-}" ] || [ -z "${size:-}" ]; then
        echo "render-page-art: malformed line for id $id" >&2; status=1; continue
    fi
    w=${size%x*}
    h=${size#*x}
    if ! grep -q "width=\"$w\" height=\"$h\" viewBox=\"0 0 $w $h\"" "$work/$file" 2>/dev/null; then
        echo "render-page-art: $id: $file does not declare width/height/viewBox $w x $h" >&2
        status=1; continue
    fi
    if ! rsvg-convert -f png -w "$w" -h "$h" -o "$work/$id.png" "$work/$file"; then
        echo "render-page-art: $id: rsvg-convert failed on $file" >&2; status=1; continue
    fi
    cmp -s "$work/$id.png" "$out/$id.png" || cp "$work/$id.png" "$out/$id.png"
    tiles+=("$out/$id.png")
done <"$art/ids.txt"

# Contact sheet: each picture at its own size on the grey of a dialog, in a panel big
# enough for the largest, labelled with its id, source and size.
if [ $# -eq 0 ] && [ $status -eq 0 ]; then
    mkdir -p "$root/docs/art"
    panels=()
    for tile in "${tiles[@]}"; do
        id=$(basename "$tile" .png)
        line=$(grep "^$id " "$art/ids.txt" | tr -s ' ')
        convert -size 500x306 xc:'#F0F0F0' "$tile" -gravity center -composite \
            -gravity south -splice 0x20 -font DejaVu-Sans -pointsize 12 -fill '#333333' \
            -annotate +0+4 "$line" "$work/panel-$id.png"
        panels+=("$work/panel-$id.png")
    done
    montage "${panels[@]}" -tile 3x -geometry +4+4 -background '#C8CED6' -depth 8 -strip \
        -define png:exclude-chunks=date,time "$work/sheet.png"
    cmp -s "$work/sheet.png" "$root/docs/art/effect-pages-contact-sheet.png" ||
        cp "$work/sheet.png" "$root/docs/art/effect-pages-contact-sheet.png"
fi
exit $status
