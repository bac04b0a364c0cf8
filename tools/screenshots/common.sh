# Shared by the screenshot scripts (sourced after `set -eu`): a Wine state of their own in
# a temporary folder, with its virtual display, torn down when the script exits.
#   root      the repository           tree      the Windows build tree that runs here
#                                                (ORVANE_TREE, when set, names another)
#   state     the Wine state folder    shots     a scratch folder, removed on exit
#   settings  Orvane's settings folder in the prefix
# DISPLAY is the state's virtual display and `wine` runs in its prefix.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
. "$root/tools/wine/wine-common.sh"
tree=${ORVANE_TREE:-$(windows_run_tree "$root")}
state=$(mktemp -d)
shots=$(mktemp -d)
orvane=""

# The Windows name of a file or folder of this machine, on Wine's drive Z.
windows_path() { echo "Z:${1//\//\\}"; }

# Runs a Windows program in the state's prefix and display.
in_wine() { "$root/tools/wine/wine-run" "$state" "$@"; }

# Starts Orvane.exe with the arguments given, in the background; $orvane is its process
# (wine-run becomes the program, where a function run in the background would stay a
# shell of its own between them).
start_orvane() {
  "$root/tools/wine/wine-run" "$state" "$tree/Orvane/Orvane.exe" "$@" &
  orvane=$!
}

# Ends the Orvane that start_orvane started, if it still runs.
stop_orvane() {
  [ -n "$orvane" ] || return 0
  kill "$orvane" 2>/dev/null || true
  wait "$orvane" 2>/dev/null || true
  orvane=""
}

# The test program that shows a tab or an Effects page of the running Orvane
# (tools/screenshots/show-page); prints the main window's rectangle and the entry's name.
show_page() { in_wine "$tree/tests/orvane_show_page.exe" "$@" | tr -d '\r'; }

# Waits until Orvane's main window exists, showing the tab given (Effects by default).
wait_for_show_page() {
  for _ in $(seq 30); do
    sleep 2
    show_page - "$@" >/dev/null 2>&1 && return 0
  done
  echo "$(basename "$0"): Orvane's main window did not come" >&2
  return 1
}

# Prints the X window of Orvane's main window once it is there.
main_window() {
  local window
  for _ in $(seq 60); do
    window=$(xdotool search --name '^Orvane$' 2>/dev/null | head -n 1) || true
    [ -z "$window" ] || { echo "$window"; return 0; }
    sleep 0.5
  done
  echo "$(basename "$0"): no main window" >&2
  return 1
}

# Runs a test program of the tree (orvane_e2e_tests, orvane_win_tests) with a gtest
# filter; the tests that take screenshots save them into $shots as BMP files.
run_screenshot_tests() { # PROGRAM FILTER
  ORVANE_SCREENSHOTS=$(windows_path "$shots") ORVANE_DIST=$(windows_path "$tree/Orvane") \
    in_wine "$tree/tests/$1.exe" --gtest_filter="$2" >/dev/null
}

# Writes each BMP of $shots as a PNG without time stamps into $out and names it.
save_screenshots() { # [PATTERN, default *]
  mkdir -p "$out"
  local shot
  for shot in "$shots"/${1:-*}.bmp; do
    convert "$shot" -strip -define png:exclude-chunks=date,time "$out/$(basename "$shot" .bmp).png"
    echo "$out/$(basename "$shot" .bmp).png"
  done
}

# The balloon picture of the custom-object screenshots, drawn into the user's Pictures
# folder of the prefix; prints its Windows path.
balloon_picture() {
  local pictures="$state/prefix/drive_c/users/$(whoami)/Pictures"
  mkdir -p "$pictures"
  rsvg-convert "$root/docs/art/custom-objects/balloon.svg" -o "$pictures/balloon.png"
  echo "C:\\users\\$(whoami)\\Pictures\\balloon.png"
}

# A settings.ini for Orvane: [Settings] with fAutoRun=0, then the lines given, CR LF ended.
settings_ini() {
  printf '[Settings]\r\nfAutoRun=0\r\n'
  [ $# -eq 0 ] || printf '%s\r\n' "$@"
}

screenshots_cleanup() {
  stop_orvane
  "$root/tools/wine/wine-env" stop "$state"
  rm -rf "$state" "$shots"
}
trap screenshots_cleanup EXIT
"$root/tools/wine/wine-env" start "$state" "$(windows_tree_loader "$tree")" >/dev/null
wine_use_state "$state"
DISPLAY=$(cat "$state/display")
export DISPLAY
settings="$state/prefix/drive_c/users/$(whoami)/AppData/Roaming/Teskan/Orvane"
mkdir -p "$settings"
