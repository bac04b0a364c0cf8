#!/bin/bash
# Render the pictures listed in resources/art/pictures-2x.txt at twice their size, from
# the same SVG sources as their 100 % renderings, into resources/png2x/<id>.png, and
# write resources/pictures2x.rc, which names them as PNG2X resources. The program draws
# them above 100 % display scaling, so that its pictures stay sharp.
#
# The effect pages' sources draw the effects' sprites by file name; librsvg reads
# referenced files only from the source's folder, so each family of sources is rendered
# from a temporary folder that also holds the sprites. Needs rsvg-convert (librsvg2-bin)
# and ImageMagick. A file is only replaced when its bytes change. Prints nothing on success.
#
#   tools/art/render-2x-art.sh [OUTDIR]    (OUTDIR defaults to resources/png2x; the
#                                          resource file is written only for the default)
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
art=$root/resources/art
out=${1:-$root/resources/png2x}
for tool in rsvg-convert convert; do
    command -v "$tool" >/dev/null 2>&1 || {
        echo "render-2x-art: $tool is missing (apt-get install -y librsvg2-bin imagemagick)" >&2
        exit 2
    }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

status=0
rc=(
    "// Pictures twice as large, for display scaling above 100 %: written by"
    "// tools/art/render-2x-art.sh from resources/art/pictures-2x.txt."
)
while read -r id source size extra; do
    case "$id" in '' | '#'*) continue ;; esac
    if [ -n "${extra:-}" ] || [ -z "${size:-}" ]; then
        echo "render-2x-art: malformed line for id $id" >&2
        status=1
        continue
    fi
    family=${source%%/*}
    if [ ! -d "$work/$family" ]; then
        mkdir -p "$work/$family"
        cp "$art/$family"/*.svg "$art"/sprites/*.svg "$work/$family/"
    fi
    w=$((2 * ${size%x*}))
    h=$((2 * ${size#*x}))
    if ! rsvg-convert -f png -w "$w" -h "$h" -o "$work/raw-$id.png" "$work/$source"; then
        echo "render-2x-art: $id: rsvg-convert failed on $source" >&2
        status=1
        continue
    fi
    # 32-bit and without dates, so that a second run leaves the file as it was.
    convert "$work/raw-$id.png" -strip -define png:exclude-chunks=date,time "PNG32:$work/$id.png"
    cmp -s "$work/$id.png" "$out/$id.png" || cp "$work/$id.png" "$out/$id.png"
    rc+=("$id PNG2X \"png2x/$id.png\"")
done <"$art/pictures-2x.txt"

if [ $# -eq 0 ] && [ $status -eq 0 ]; then
    printf '%s\n' "${rc[@]}" >"$work/pictures2x.rc"
    cmp -s "$work/pictures2x.rc" "$root/resources/pictures2x.rc" ||
        cp "$work/pictures2x.rc" "$root/resources/pictures2x.rc"
fi
exit $status
