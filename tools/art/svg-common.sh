# Shared by the art scripts (sourced, bash): the root <svg> element of a source file,
# read with shell builtins only, since the scripts look at hundreds of files.
#   svg_root FILE              sets svg_root_element to the file's <svg ...> element
#   svg_declares ELEMENT ATTR VALUE   the element declares ATTR="VALUE"
#   svg_declares_size FILE W H        the file's root declares width, height and viewBox
svg_root() {
    local lines
    svg_root_element=
    mapfile -t lines <"$1" || return 1
    local text="${lines[*]}"
    [[ "$text" =~ \<svg[^\>]*\> ]] && svg_root_element=${BASH_REMATCH[0]}
}

svg_declares() {
    [[ "$1" =~ [[:space:]]$2=\"([^\"]*)\" ]] && [ "${BASH_REMATCH[1]}" = "$3" ]
}

svg_declares_size() {
    svg_root "$1" &&
        svg_declares "$svg_root_element" width "$2" &&
        svg_declares "$svg_root_element" height "$3" &&
        svg_declares "$svg_root_element" viewBox "0 0 $2 $3"
}
