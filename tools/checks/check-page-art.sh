#!/bin/bash
# Check the pictures of the Effects tab and the effect control pages:
#   - each picture listed in resources/art/pages/ids.txt is in resources/png/ with its
#     exact pixel size, has see-through and near-solid pixels, and is named in
#     resources/dialogs/effectpages.rc as a PNG resource;
#   - rendering the sources again gives the same pictures, so none is out of date.
# Needs ImageMagick and rsvg-convert. Prints one line per problem; exits 1 on any.
#
#   tools/checks/check-page-art.sh [ROOT]
set -uo pipefail

root=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
rc=$root/resources/dialogs/effectpages.rc
problems=0
problem() {
    echo "check-page-art: $*"
    problems=$((problems + 1))
}

fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT
if ! "$root/tools/art/render-page-art.sh" "$fresh" >/dev/null; then
    problem "the sources do not render"
fi

count=0
while read -r id file size _; do
    case "$id" in '' | '#'*) continue ;; esac
    count=$((count + 1))
    png=$root/resources/png/$id.png
    if [ ! -f "$png" ]; then
        problem "$id: resources/png/$id.png is missing"
        continue
    fi
    actual=$(identify -format '%wx%h' "$png" 2>/dev/null)
    [ "$actual" = "$size" ] || problem "$id: $actual instead of $size"
    read -r low high < <(convert "$png" -alpha extract -format '%[fx:round(255*minima)] %[fx:round(255*maxima)]' info:)
    [ "${low:-255}" -eq 0 ] && [ "${high:-0}" -ge 200 ] ||
        problem "$id: needs see-through and near-solid pixels (alpha $low to $high)"
    grep -Eq "^$id PNG \"png/$id.png\"" "$rc" || problem "$id: not a PNG resource in effectpages.rc"
    if [ -f "$fresh/$id.png" ] && ! cmp -s "$fresh/$id.png" "$png"; then
        problem "$id: differs from a new rendering of $file (run tools/art/render-page-art.sh)"
    fi
done <"$root/resources/art/pages/ids.txt"
[ "$count" -eq 17 ] || problem "ids.txt lists $count pictures, not 17"
exit $((problems > 0))
