#!/bin/bash
# Render the logon-screen pictures: resources/art/logon/<name>.svg (written by
# tools/art/logon-art.py) into data/logon/<name>.jpg, 1920 x 1080, each saved at the
# highest JPEG quality (92 down to 40) that keeps it under 250000 bytes, safely
# below the 256000 bytes the logon screen accepts. Also writes
# resources/art/logon/rendered.sha256, which tools/checks/check-personalize-art.py compares
# with the sources and the outputs. A file is only replaced when its bytes change.
#
# Needs rsvg-convert (librsvg2-bin) and ImageMagick (convert).
# Usage: tools/art/render-logon.sh [NAME...]      (default: every picture)
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
art=$root/resources/art/logon
out=$root/data/logon
budget=250000

for tool in rsvg-convert convert sha256sum; do
    command -v "$tool" >/dev/null 2>&1 || {
        echo "render-logon: $tool is missing (apt-get install librsvg2-bin imagemagick)" >&2
        exit 2
    }
done
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

names=("$@")
if [ ${#names[@]} -eq 0 ]; then
    for source in "$art"/*.svg; do
        names+=("$(basename "$source" .svg)")
    done
fi

for name in "${names[@]}"; do
    rsvg-convert -w 1920 -h 1080 -b '#000000' "$art/$name.svg" -o "$work/$name.png"
    saved=
    for quality in $(seq 92 -2 40); do
        convert "$work/$name.png" -strip -sampling-factor 4:2:0 -quality "$quality" \
            -define jpeg:dct-method=float "$work/$name.jpg"
        if [ "$(stat -c %s "$work/$name.jpg")" -lt "$budget" ]; then
            saved=$quality
            break
        fi
    done
    if [ -z "$saved" ]; then
        echo "render-logon: $name stays above $budget bytes even at quality 40; simplify it" >&2
        exit 1
    fi
    cmp -s "$work/$name.jpg" "$out/$name.jpg" || cp "$work/$name.jpg" "$out/$name.jpg"
    echo "$name: quality $saved, $(stat -c %s "$out/$name.jpg") bytes"
done

# What the pictures were rendered from, and what they are.
(
    cd "$root"
    sha256sum tools/art/logon-art.py tools/art/render-logon.sh
    for source in resources/art/logon/*.svg; do sha256sum "$source"; done
    for picture in data/logon/*.jpg; do sha256sum "$picture"; done
) >"$work/rendered.sha256"
cmp -s "$work/rendered.sha256" "$art/rendered.sha256" || cp "$work/rendered.sha256" "$art/rendered.sha256"
