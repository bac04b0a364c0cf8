#!/bin/bash
# Check the sprite pictures of the sprite effects.
#
#   tools/checks/check-sprites.sh [RESOURCES_DIR]      (default: resources/ of this tree)
#
# For every effect the set of resource ids, their count and their pixel sizes are
# written down below, independently of resources/art/sprites/ids.txt. The check
# verifies, with ImageMagick's identify:
#   - ids.txt lists exactly those ids, each once, with a size that obeys its group's
#     rule, and each SVG source declares that width, height and viewBox;
#   - sprites.rc holds exactly one line  <id> PNG "png/<id>.png"  per id, and
#     otherwise only comments and blank lines;
#   - png/<id>.png exists, is a PNG of exactly the listed size, has an alpha channel,
#     is not blank, and stays clear of its edges (no border pixel above alpha 0.3), so the
#     background is transparent and nothing is cut off where the canvas ends.
# Prints each problem and a closing count; exits 1 if anything failed, 2 on a missing tool.
set -u

res=${1:-"$(cd "$(dirname "$0")/../.." && pwd)/resources"}
list="$res/art/sprites/ids.txt"
rc="$res/sprites.rc"

command -v identify >/dev/null 2>&1 || {
    echo "check-sprites: identify not found (apt-get install imagemagick)" >&2
    exit 2
}

passed=0
failed=0
fail() {
    echo "FAIL $*"
    failed=$((failed + 1))
}

# seq_ids FIRST LAST: the ids FIRST..LAST separated by spaces
seq_ids() { seq -s ' ' "$1" "$2"; }

# Groups: name | ids in load order | size rule
#   exact:WxH[,WxH...]  one size per id (or one size for all)
#   range:WMIN-WMAX:HMIN-HMAX[:span]  every picture inside the range; with span the
#                       smallest and largest width and height are actually used
#   ends:WxH:WxH        sizes within the two, the first id the smaller, the last the larger
groups=(
    "Leaf fall|$(seq_ids 251 257)|exact:128x128,96x96,128x128,96x96,48x48,64x64,48x48"
    "Falling petals red|$(seq_ids 448 457)|range:12-45:16-48:span"
    "Falling petals pink|$(seq_ids 459 468)|range:12-45:16-48:span"
    "Falling petals white|$(seq_ids 469 478)|range:12-45:16-48:span"
    "Rain of flowers|$(seq_ids 481 510)|range:31-48:1-48:span"
    "Sweets|385 386 397 398 399 $(seq_ids 387 396) 400 401 402|range:1-48:1-48"
    "Hearts|379|exact:32x30"
    "Balloons|$(seq_ids 361 365)|exact:80x109"
    "Dandelions|$(seq_ids 409 414)|exact:48x48"
    "Leaves in the wind|$(seq_ids 418 424)|ends:12x8:48x44"
    "Garland bulbs|161 162 166 167 165 168 169 171 172 173 $(seq_ids 174 177) $(seq_ids 179 184)|exact:48x48"
    "Garland white bulbs|185 186|exact:32x32"
    "Garland strawberries|$(seq_ids 187 206)|exact:48x48"
    "Garland icicles|$(seq_ids 207 216)|exact:100x310"
    "Smoke|542|exact:256x256"
    "Explosion|$(seq_ids 605 652)|exact:100x100"
)

# ---- read ids.txt --------------------------------------------------------------
declare -A file_of size_of
listed=()
if [ -r "$list" ]; then
    while read -r id file size extra; do
        case "$id" in '' | '#'*) continue ;; esac
        if ! [[ "$id" =~ ^[0-9]+$ && "${size:-}" =~ ^[0-9]+x[0-9]+$ && -z "${extra:-}" ]]; then
            fail "ids.txt: malformed line: $id ${file:-} ${size:-} ${extra:-}"
            continue
        fi
        if [ -n "${size_of[$id]:-}" ]; then
            fail "ids.txt: id $id listed twice"
            continue
        fi
        file_of[$id]=$file
        size_of[$id]=$size
        listed+=("$id")
    done <"$list"
else
    fail "cannot read $list"
fi

# ---- the listed sizes against each group's rule ----------------------------------
declare -A expected
in_range() { # VALUE MIN-MAX
    local v=$1 lo=${2%-*} hi=${2#*-}
    [ "$v" -ge "$lo" ] && [ "$v" -le "$hi" ]
}
for g in "${groups[@]}"; do
    IFS='|' read -r name ids rule <<<"$g"
    read -r -a gids <<<"$ids"
    ok=1
    present=()
    for id in "${gids[@]}"; do
        expected[$id]=$name
        if [ -z "${size_of[$id]:-}" ]; then
            fail "$name: id $id is not in ids.txt"
            ok=0
        else
            present+=("$id")
        fi
    done
    kind=${rule%%:*}
    args=${rule#*:}
    case "$kind" in
    exact)
        IFS=',' read -r -a sizes <<<"$args"
        i=0
        for id in "${gids[@]}"; do
            want=${sizes[$i]:-${sizes[0]}}
            i=$((i + 1))
            [ -n "${size_of[$id]:-}" ] || continue
            if [ "${size_of[$id]}" != "$want" ]; then
                fail "$name: id $id is ${size_of[$id]}, must be $want"
                ok=0
            fi
        done
        ;;
    range | ends)
        if [ "$kind" = range ]; then
            IFS=':' read -r wr hr span <<<"$args"
        else
            IFS=':' read -r lo hi <<<"$args"
            wr="${lo%x*}-${hi%x*}"
            hr="${lo#*x}-${hi#*x}"
            span=
            first=${gids[0]} last=${gids[${#gids[@]} - 1]}
            if [ "${size_of[$first]:-}" != "$lo" ]; then
                fail "$name: first id $first is ${size_of[$first]:-missing}, must be $lo"
                ok=0
            fi
            if [ "${size_of[$last]:-}" != "$hi" ]; then
                fail "$name: last id $last is ${size_of[$last]:-missing}, must be $hi"
                ok=0
            fi
        fi
        wmin=99999 wmax=0 hmin=99999 hmax=0
        for id in "${present[@]}"; do
            w=${size_of[$id]%x*} h=${size_of[$id]#*x}
            if ! in_range "$w" "$wr" || ! in_range "$h" "$hr"; then
                fail "$name: id $id is ${size_of[$id]}, outside width $wr, height $hr"
                ok=0
            fi
            [ "$w" -lt "$wmin" ] && wmin=$w
            [ "$w" -gt "$wmax" ] && wmax=$w
            [ "$h" -lt "$hmin" ] && hmin=$h
            [ "$h" -gt "$hmax" ] && hmax=$h
        done
        if [ "$span" = span ] && [ "${#present[@]}" -gt 0 ]; then
            if [ "$wmin-$wmax" != "$wr" ]; then
                fail "$name: widths run $wmin-$wmax, the set must span $wr"
                ok=0
            fi
            if [ "${hr%-*}" != 1 ] && [ "$hmin-$hmax" != "$hr" ]; then
                fail "$name: heights run $hmin-$hmax, the set must span $hr"
                ok=0
            elif [ "${hr%-*}" = 1 ] && [ "$hmax" != "${hr#*-}" ]; then
                fail "$name: tallest picture is $hmax, the set must reach ${hr#*-}"
                ok=0
            fi
        fi
        ;;
    esac
    [ $ok = 1 ] && passed=$((passed + 1))
done
for id in "${listed[@]}"; do
    if [ -z "${expected[$id]:-}" ]; then
        fail "ids.txt: id $id belongs to no sprite effect"
    fi
done

# ---- sources ---------------------------------------------------------------------
. "$(dirname "$0")/../art/svg-common.sh"
for id in "${listed[@]}"; do
    src="$res/art/sprites/${file_of[$id]}"
    w=${size_of[$id]%x*} h=${size_of[$id]#*x}
    if [ ! -r "$src" ]; then
        fail "$id: source ${file_of[$id]} is missing"
    elif ! svg_declares_size "$src" "$w" "$h"; then
        fail "$id: ${file_of[$id]} does not declare width=$w height=$h viewBox=\"0 0 $w $h\""
    else
        passed=$((passed + 1))
    fi
done

# ---- sprites.rc ------------------------------------------------------------------
declare -A in_rc
if [ -r "$rc" ]; then
    n=0
    while IFS= read -r line || [ -n "$line" ]; do
        n=$((n + 1))
        line=${line%$'\r'}
        case "$line" in '' | '//'*) continue ;; esac
        if [[ "$line" =~ ^([0-9]+)\ PNG\ \"png/([0-9]+)\.png\"$ && "${BASH_REMATCH[1]}" == "${BASH_REMATCH[2]}" ]]; then
            id=${BASH_REMATCH[1]}
            if [ -n "${in_rc[$id]:-}" ]; then
                fail "sprites.rc:$n: id $id appears twice"
            elif [ -z "${expected[$id]:-}" ]; then
                fail "sprites.rc:$n: id $id belongs to no sprite effect"
            fi
            in_rc[$id]=1
        else
            fail "sprites.rc:$n: not a sprite line: $line"
        fi
    done <"$rc"
    for id in "${!expected[@]}"; do
        if [ -z "${in_rc[$id]:-}" ]; then
            fail "sprites.rc: id $id (${expected[$id]}) is missing"
        else
            passed=$((passed + 1))
        fi
    done
else
    fail "cannot read $rc"
fi

# ---- rendered pictures -------------------------------------------------------------
# One identify run reads format, size and alpha channel of every picture; a second one
# measures the largest alpha of each good picture and of its four edges. With
# PNG_STATS_CACHE set to a folder, the readings are kept there by the picture's content
# and listed size, so that repeated checks of mostly unchanged trees stay quick.
declare -A info_of alphas_of key_of
pngs=()
for id in "${listed[@]}"; do
    if [ -f "$res/png/$id.png" ]; then
        pngs+=("$res/png/$id.png")
    else
        fail "$id: png/$id.png is missing"
    fi
done
cache=${PNG_STATS_CACHE:-}
unread=()
if [ -n "$cache" ] && [ ${#pngs[@]} -gt 0 ]; then
    while read -r sum path; do
        path=${path##*/}
        key_of[${path%.png}]=$sum
    done < <(sha1sum "${pngs[@]}")
fi
for png in "${pngs[@]}"; do
    id=${png##*/} id=${id%.png}
    if [ -n "$cache" ]; then
        key_of[$id]="${key_of[$id]}-${size_of[$id]}"
        if [ -f "$cache/${key_of[$id]}" ]; then
            { IFS= read -r info_of[$id]; IFS= read -r alphas_of[$id]; } <"$cache/${key_of[$id]}"
            continue
        fi
    fi
    unread+=("$png")
done
if [ ${#unread[@]} -gt 0 ]; then
    while IFS='|' read -r path rest; do
        path=${path##*/}
        info_of[${path%.png}]=$rest
    done < <(identify -format '%i|%m %wx%h %A\n' "${unread[@]}" 2>/dev/null)
fi
measure=()
for png in "${unread[@]}"; do
    id=${png##*/} id=${id%.png}
    read -r fmt got alpha <<<"${info_of[$id]:-}"
    if [ "${fmt:-}" = PNG ] && [ "$got" = "${size_of[$id]}" ] && [ "$alpha" != Undefined ] &&
        [ "$alpha" != False ]; then
        measure+=("$id")
    fi
done
specs=()
for id in "${measure[@]}"; do
    png="$res/png/$id.png" want=${size_of[$id]}
    w=${want%x*} h=${want#*x}
    specs+=("$png" "$png[${w}x1+0+0]" "$png[${w}x1+0+$((h - 1))]" "$png[1x${h}+0+0]" "$png[1x${h}+$((w - 1))+0]")
done
if [ ${#measure[@]} -gt 0 ]; then
    mapfile -t alphas < <(identify -format '%[fx:maxima.a]\n' "${specs[@]}" 2>/dev/null)
    i=0
    for id in "${measure[@]}"; do
        alphas_of[$id]="${alphas[*]:$i:5}"
        i=$((i + 5))
    done
fi
if [ -n "$cache" ]; then
    mkdir -p "$cache"
    for png in "${unread[@]}"; do
        id=${png##*/} id=${id%.png}
        printf '%s\n%s\n' "${info_of[$id]:-}" "${alphas_of[$id]:-}" >"$cache/${key_of[$id]}"
    done
fi
# micro READING: sets micro_value to an alpha reading (0 to 1, maybe in e-notation) in
# millionths, without a process per reading.
micro() {
    local value=$1 whole fraction=""
    if [[ "$value" == *e-* ]]; then
        micro_value=0
        return
    fi
    whole=${value%%.*}
    [[ "$value" == *.* ]] && fraction=${value#*.}
    fraction=${fraction}000000
    micro_value=$((10#${whole:-0} * 1000000 + 10#${fraction:0:6}))
}
# edge_clear READING...: every reading is at most 0.3
edge_clear() {
    local reading
    for reading in "$@"; do
        micro "$reading"
        [ "$micro_value" -le 300000 ] || return 1
    done
}
for png in "${pngs[@]}"; do
    id=${png##*/} id=${id%.png}
    want=${size_of[$id]}
    read -r fmt got alpha <<<"${info_of[$id]:-}"
    read -r amax top bottom left right <<<"${alphas_of[$id]:-}"
    if [ "${fmt:-}" != PNG ]; then
        fail "$id: png/$id.png is not a readable PNG"
    elif [ "$got" != "$want" ]; then
        fail "$id: png/$id.png is $got, must be $want"
    elif [ "$alpha" = Undefined ] || [ "$alpha" = False ]; then
        fail "$id: png/$id.png has no alpha channel"
    elif ! [[ "${amax:-} ${top:-} ${bottom:-} ${left:-} ${right:-}" =~ ^([0-9.e+-]+\ ){4}[0-9.e+-]+$ ]]; then
        fail "$id: png/$id.png could not be measured"
    elif micro "$amax" && [ "$micro_value" -lt 500000 ]; then
        fail "$id: png/$id.png is blank or nearly invisible (largest alpha $amax)"
    elif ! edge_clear "$top" "$bottom" "$left" "$right"; then
        fail "$id: png/$id.png reaches its edge (border alpha top $top bottom $bottom left $left right $right): cut off or not on a transparent background"
    else
        passed=$((passed + 1))
    fi
done

echo "check-sprites: $passed passed, $failed failed"
[ "$failed" = 0 ]
