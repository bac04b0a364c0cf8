#!/bin/bash
# Render the sprite SVGs to the PNG resources the program embeds.
#
#   tools/art/render-art.sh [OUTDIR]
#
# Reads resources/art/sprites/ids.txt ("id file.svg WIDTHxHEIGHT" per line) and writes
# OUTDIR/<id>.png (default resources/png) at exactly that size with rsvg-convert
# (Debian package librsvg2-bin). A source whose own width, height or viewBox differs
# from the listed size is refused rather than stretched. Files whose pixels would not
# change are left untouched, so a second run changes nothing. Prints only errors.
set -u

root=$(cd "$(dirname "$0")/../.." && pwd)
art="$root/resources/art/sprites"
list="$art/ids.txt"
out=${1:-"$root/resources/png"}

command -v rsvg-convert >/dev/null 2>&1 || {
    echo "render-art: rsvg-convert not found (apt-get install librsvg2-bin)" >&2
    exit 2
}
[ -r "$list" ] || { echo "render-art: cannot read $list" >&2; exit 2; }
mkdir -p "$out" || exit 2

tmp=$(mktemp -d) || exit 2
trap 'rm -rf "$tmp"' EXIT

. "$root/tools/art/svg-common.sh"

status=0
while read -r id file size extra; do
    case "$id" in '' | '#'*) continue ;; esac
    if [ -n "${extra:-}" ] || [ -z "${size:-}" ]; then
        echo "render-art: malformed line for id $id" >&2; status=1; continue
    fi
    w=${size%x*}
    h=${size#*x}
    src="$art/$file"
    if [ ! -r "$src" ]; then
        echo "render-art: $id: missing source $file" >&2; status=1; continue
    fi
    if ! svg_declares_size "$src" "$w" "$h"; then
        echo "render-art: $id: $file does not declare width/height/viewBox $w x $h" >&2
        status=1; continue
    fi
    if ! rsvg-convert -f png -w "$w" -h "$h" -o "$tmp/$id.png" "$src"; then
        echo "render-art: $id: rsvg-convert failed on $file" >&2; status=1; continue
    fi
    if ! cmp -s "$tmp/$id.png" "$out/$id.png"; then
        mv "$tmp/$id.png" "$out/$id.png" || status=1
    fi
done <"$list"
exit $status
