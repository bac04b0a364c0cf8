#!/bin/bash
# Render the Tweaks tab's welcome picture from resources/art/tweaks/welcome.svg into
# resources/png/513.png (480 x 360, transparent where the tree and the Help button sit).
# Needs rsvg-convert (librsvg2-bin) and ImageMagick's identify. The file is only
# replaced when its bytes change. Prints nothing on success.
#
# Usage: tools/art/render-tweaks-art.sh
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/../.." && pwd)
SOURCE=$ROOT/resources/art/tweaks/welcome.svg
TARGET=$ROOT/resources/png/513.png

for tool in rsvg-convert identify; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "render-tweaks-art: $tool is missing (apt-get install -y librsvg2-bin imagemagick)" >&2
        exit 1
    fi
done

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
rsvg-convert -w 480 -h 360 "$SOURCE" -o "$WORK/513.png"
size=$(identify -format '%w %h' "$WORK/513.png")
if [ "$size" != "480 360" ]; then
    echo "render-tweaks-art: rendered $size, expected 480 360" >&2
    exit 1
fi
cmp -s "$WORK/513.png" "$TARGET" || cp "$WORK/513.png" "$TARGET"
