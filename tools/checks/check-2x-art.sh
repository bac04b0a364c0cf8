#!/bin/bash
# Check the pictures drawn above 100 % display scaling:
#   - each picture listed in resources/art/pictures-2x.txt is in resources/png2x/ at exactly
#     twice the size of its 100 % rendering in resources/png/, which has the listed size;
#   - resources/pictures2x.rc names each of them, and nothing else, as a PNG2X resource;
#   - rendering the sources again gives the same pictures, so none is out of date.
# Needs ImageMagick and rsvg-convert. Prints one line per problem; exits 1 on any.
#
#   tools/checks/check-2x-art.sh [ROOT]
set -uo pipefail

root=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
rc=$root/resources/pictures2x.rc
problems=0
problem() {
    echo "check-2x-art: $*"
    problems=$((problems + 1))
}

fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT
"$root/tools/art/render-2x-art.sh" "$fresh" >/dev/null || problem "the sources do not render"

count=0
while read -r id source size _; do
    case "$id" in '' | '#'*) continue ;; esac
    count=$((count + 1))
    single=$root/resources/png/$id.png
    double=$root/resources/png2x/$id.png
    if [ ! -f "$single" ] || [ ! -f "$double" ]; then
        problem "$id: resources/png/$id.png or resources/png2x/$id.png is missing"
        continue
    fi
    [ "$(identify -format '%wx%h' "$single")" = "$size" ] ||
        problem "$id: resources/png/$id.png is not $size"
    expected="$((2 * ${size%x*}))x$((2 * ${size#*x}))"
    actual=$(identify -format '%wx%h' "$double")
    [ "$actual" = "$expected" ] || problem "$id: $actual instead of $expected"
    grep -Eq "^$id PNG2X \"png2x/$id.png\"$" "$rc" || problem "$id: not a PNG2X resource in $rc"
    if [ -f "$fresh/$id.png" ] && ! cmp -s "$fresh/$id.png" "$double"; then
        problem "$id: differs from a new rendering of $source (run tools/art/render-2x-art.sh)"
    fi
done <"$root/resources/art/pictures-2x.txt"
[ "$(grep -c ' PNG2X ' "$rc")" -eq "$count" ] ||
    problem "$rc names other pictures than resources/art/pictures-2x.txt lists"
exit $((problems > 0))
