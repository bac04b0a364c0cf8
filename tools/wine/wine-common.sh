# Shared by the Wine scripts (sourced): the prefix of a state folder and the Wine
# loader that runs its programs.
#   wine_use_state STATE_DIR   export the prefix settings of STATE_DIR and define `wine`
# STATE_DIR/loader names the loader: "wine" (Debian's wrapper, which starts 32-bit and
# 64-bit programs) or Wine's 64-bit loader itself, for hosts that cannot execute 32-bit
# code, where the wrapper would pick the 32-bit loader and fail.

wine_use_state() {
  wine_state=$(realpath -m "$1")
  export WINEPREFIX="$wine_state/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  unset WINEARCH
  wine_loader=wine
  [ ! -f "$wine_state/loader" ] || wine_loader=$(cat "$wine_state/loader")
  if [ "$wine_loader" != wine ]; then
    export WINELOADER="$wine_loader"
  fi
}

wine() { command "$wine_loader" "$@"; }

# The Windows build tree whose programs run under Wine on this host, as ./dev probed it:
# build/win (32-bit) or build/win64.
windows_run_tree() {
  local root=$1
  if [ "$(cat "$root/build/windows-arch" 2>/dev/null)" = x64 ]; then
    echo "$root/build/win64"
  else
    echo "$root/build/win"
  fi
}

# The loader for the programs of a build tree.
windows_tree_loader() {
  case "$1" in
  */win64) echo /usr/lib/wine/wine64 ;;
  *) echo wine ;;
  esac
}
