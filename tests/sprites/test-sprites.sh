#!/bin/bash
# Tests for the sprite art pipeline: tools/art/render-art.sh and tools/checks/check-sprites.sh.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick (imagemagick).
#
#   tests/sprites/test-sprites.sh
set -u

here=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d) || exit 2
trap 'rm -rf "$work"' EXIT
# The checker's readings of unchanged pictures are shared between its many runs here.
export PNG_STATS_CACHE="$work/png-stats"

# A real ImageMagick convert (some machines put a different "convert" first in PATH).
im=
for c in /usr/bin/convert convert; do
    if "$c" -version 2>/dev/null | grep -q ImageMagick; then im=$c; break; fi
done
for tool in rsvg-convert identify compare; do
    command -v "$tool" >/dev/null || { echo "test-sprites: $tool not found" >&2; exit 2; }
done
[ -n "$im" ] || { echo "test-sprites: ImageMagick convert not found" >&2; exit 2; }

passed=0
failed=0
ok() { passed=$((passed + 1)); }
bad() { echo "FAIL: $*"; failed=$((failed + 1)); }

# fresh_tree: a copy of tools/ and resources/ in $work/t, returned in $t
fresh_tree() {
    t="$work/t"
    rm -rf "$t"
    mkdir -p "$t"
    cp -r "$here/tools" "$here/resources" "$t/"
}

# check_rejects NAME PATTERN: the checker on $t must fail and name the fault
check_rejects() {
    local out
    out=$("$t/tools/checks/check-sprites.sh" "$t/resources" 2>&1)
    local rc=$?
    if [ $rc -eq 0 ]; then
        bad "$1: check passed on a broken tree"
    elif ! grep -q -- "$2" <<<"$out"; then
        bad "$1: check failed without reporting /$2/:"$'\n'"$out"
    else
        ok
    fi
}

# ---- the committed tree is complete and consistent ----------------------------------
out=$("$here/tools/checks/check-sprites.sh" 2>&1)
if [ $? -eq 0 ] && grep -q ' 0 failed$' <<<"$out"; then ok; else bad "committed sprites fail the check:"$'\n'"$out"; fi

# ---- rendering ---------------------------------------------------------------------
# A fresh render prints nothing, makes one PNG per listed id, and matches the committed
# PNGs pixel for pixel (a stale PNG after an SVG edit shows up here).
fresh_tree
out=$("$t/tools/art/render-art.sh" "$work/png" 2>&1)
[ $? -eq 0 ] && [ -z "$out" ] && ok || bad "render into an empty folder: rc/out: $out"
count=$(grep -cE '^[0-9]' "$here/resources/art/sprites/ids.txt")
made=$(find "$work/png" -name '*.png' | wc -l)
[ "$made" = "$count" ] && ok || bad "render made $made PNGs for $count ids"
stale=
for f in "$work/png"/*.png; do
    id=$(basename "$f")
    cmp -s "$f" "$here/resources/png/$id" && continue
    diff=$(compare -metric AE "$f" "$here/resources/png/$id" null: 2>&1)
    [ "$diff" = 0 ] || stale="$stale $id($diff)"
done
[ -z "$stale" ] && ok || bad "committed PNGs differ from their SVGs:$stale"

# A second run changes nothing and prints nothing.
touch -d '2001-01-01' "$work/png"/*.png
out=$("$t/tools/art/render-art.sh" "$work/png" 2>&1)
newer=$(find "$work/png" -name '*.png' -newermt '2001-01-02' | wc -l)
[ -z "$out" ] && [ "$newer" = 0 ] && ok || bad "second render: out '$out', $newer files rewritten"

# A source that declares another size than its listed one is refused, not stretched.
sed -i 's/width="32" height="30" viewBox="0 0 32 30"/width="32" height="32" viewBox="0 0 32 32"/' \
    "$t/resources/art/sprites/heart_glossy.svg"
rm -f "$work/png/379.png"
out=$("$t/tools/art/render-art.sh" "$work/png" 2>&1)
rc=$?
[ $rc -ne 0 ] && grep -q '379' <<<"$out" && [ ! -e "$work/png/379.png" ] && ok ||
    bad "render accepted a mis-sized source (rc $rc): $out"

# ---- the checker notices each kind of fault ------------------------------------------
fresh_tree
rsvg-convert -w 127 -h 128 -o "$t/resources/png/251.png" "$t/resources/art/sprites/leaf_maple_red.svg"
check_rejects "picture of the wrong size" "251: png/251.png is 127x128, must be 128x128"

fresh_tree
"$im" "$t/resources/png/379.png" -background white -alpha remove -alpha off "PNG24:$t/resources/png/379.png"
check_rejects "picture without alpha" "379: png/379.png has no alpha channel"

fresh_tree
"$im" -size 48x48 xc:none "PNG32:$t/resources/png/409.png"
check_rejects "blank picture" "409: png/409.png is blank"

fresh_tree
"$im" -size 48x48 xc:red "PNG32:$t/resources/png/255.png"
check_rejects "opaque background" "255: png/255.png reaches its edge"

fresh_tree
"$im" "$t/resources/png/362.png" -gravity south -crop 80x100+0+0 +repage -gravity north \
    -background none -extent 80x109 "PNG32:$t/resources/png/362.png"
check_rejects "picture cut off at the top" "362: png/362.png reaches its edge"

fresh_tree
rm "$t/resources/png/361.png"
check_rejects "missing picture" "361: png/361.png is missing"

fresh_tree
sed -i '/^424 /d' "$t/resources/sprites.rc"
check_rejects "resource line missing" "sprites.rc: id 424 (Leaves in the wind) is missing"

fresh_tree
echo '100 ICON "icons/app.ico"' >>"$t/resources/sprites.rc"
check_rejects "foreign line in the fragment" "not a sprite line"

fresh_tree
sed -i 's|^455 PNG "png/455.png"|455 PNG "png/456.png"|' "$t/resources/sprites.rc"
check_rejects "line naming another id's file" "not a sprite line: 455"

fresh_tree
sed -i '/^257 /d' "$t/resources/art/sprites/ids.txt"
check_rejects "Leaf fall one short" "Leaf fall: id 257 is not in ids.txt"

fresh_tree
echo '458 petal_red_01.svg 12x16' >>"$t/resources/art/sprites/ids.txt"
check_rejects "id outside every set" "id 458 belongs to no sprite effect"

fresh_tree
sed -i 's/^252 leaf_oak_brown.svg  *96x96/252 leaf_oak_brown.svg 128x128/' "$t/resources/art/sprites/ids.txt"
check_rejects "Leaf fall size swapped" "Leaf fall: id 252 is 128x128, must be 96x96"

fresh_tree
sed -i 's/^457 petal_red_10.svg  *45x48/457 petal_red_10.svg 44x48/' "$t/resources/art/sprites/ids.txt"
check_rejects "petal widths no longer reach 45" "Falling petals red: widths run 12-44"

fresh_tree
sed -i 's/^497 flower_buttercup.svg  *31x31/497 flower_buttercup.svg 30x30/' "$t/resources/art/sprites/ids.txt"
check_rejects "flower narrower than 31" "Rain of flowers: id 497 is 30x30, outside width 31-48"

fresh_tree
sed -i 's/^418 windleaf_tiny_orange.svg  *12x8/418 windleaf_tiny_orange.svg 14x8/' "$t/resources/art/sprites/ids.txt"
check_rejects "smallest wind leaf not 12x8" "first id 418 is 14x8, must be 12x8"

fresh_tree
sed -i 's/^402 lollipop_swirl_blue.svg  *30x48/402 lollipop_swirl_blue.svg 30x50/' "$t/resources/art/sprites/ids.txt"
check_rejects "sweet taller than 48" "Sweets: id 402 is 30x50"

fresh_tree
sed -i 's/viewBox="0 0 80 109"/viewBox="0 0 80 110"/' "$t/resources/art/sprites/balloon_green.svg"
check_rejects "source viewBox off by one" "364: balloon_green.svg does not declare"

echo "test-sprites: $passed passed, $failed failed"
[ "$failed" = 0 ]
