#!/bin/bash
# Render the Night Light page's picture from resources/art/nightlight/ into
# resources/png/536.png (700 x 200, transparent at the top so the page's own colour
# shows behind the controls). Needs rsvg-convert (librsvg2-bin) and ImageMagick.
# The file is only replaced when its bytes change. Prints nothing on success.
#
# Usage: tools/art/render-nightlight-art.sh
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/../.." && pwd)
SOURCE=$ROOT/resources/art/nightlight/backdrop-nightlight.svg
TARGET=$ROOT/resources/png/536.png

for tool in rsvg-convert convert; do
    command -v "$tool" >/dev/null 2>&1 ||
        { echo "render-nightlight-art: $tool is missing" >&2; exit 1; }
done
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

rsvg-convert -w 700 -h 200 "$SOURCE" -o "$WORK/raw.png"
# Without dates, so that a second run leaves the file as it was.
convert "$WORK/raw.png" -strip -define png:exclude-chunks=date,time "PNG32:$WORK/536.png"
cmp -s "$WORK/536.png" "$TARGET" || cp "$WORK/536.png" "$TARGET"
