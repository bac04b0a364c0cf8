#!/usr/bin/env bash
# Tests of the 32-bit test machine's host side (tools/vm32), with a stand-in for qemu:
# when its image counts as built, how a machine that fails is reported, and which
# folders it refuses to share. Booting the real machine is ./dev test's own business.
#   tests/vm32/test-vm32.sh
set -u

here=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d) || exit 2
trap 'rm -rf "$work"' EXIT

passed=0
failed=0
ok() { passed=$((passed + 1)); }
bad() {
  echo "FAIL: $*"
  failed=$((failed + 1))
}
expect_status() { # EXPECTED ACTUAL WHAT
  if [ "$1" -eq "$2" ]; then ok; else bad "$3: exit status $2, expected $1"; fi
}
expect_text() { # PATTERN TEXT WHAT
  if grep -q -- "$1" <<<"$2"; then ok; else bad "$3: no '$1' in: $2"; fi
}

# A copy of the scripts the recipe is made of, to change without touching the clone.
copy_tools() {
  rm -rf "$work/t"
  mkdir -p "$work/t/tools"
  cp -r "$here/tools/vm32" "$here/tools/wine" "$work/t/tools/"
}
recipe_of() { (. "$work/t/tools/vm32/vm32-common.sh" && vm32_recipe_hash); }

# --- The recipe's hash: what rebuilds the image and what does not -------------------------
copy_tools
before=$(recipe_of)
[ "$before" = "$(recipe_of)" ] && ok || bad "the recipe's hash differs between two readings"
echo "# changed" >>"$work/t/tools/vm32/guest-init"
[ "$before" != "$(recipe_of)" ] && ok || bad "a changed guest-init keeps the image"
copy_tools
echo "# changed" >>"$work/t/tools/wine/wine-env"
[ "$before" != "$(recipe_of)" ] && ok || bad "a changed wine-env keeps the image's prefix"
copy_tools
echo "# changed" >>"$work/t/tools/vm32/run-in-vm"
[ "$before" = "$(recipe_of)" ] && ok || bad "a changed run-in-vm rebuilds the image"

# --- make-image leaves an image of this recipe alone, and only that ----------------------
copy_tools
cache=$work/cache
mkdir -p "$cache"
touch "$cache/disk.img" "$cache/vmlinuz" "$cache/initrd.img"
recipe_of >"$cache/recipe"
out=$(ORVANE_VM32_CACHE=$cache "$work/t/tools/vm32/make-image" 2>&1)
expect_status 0 $? "make-image with a current image"
[ -z "$out" ] && ok || bad "make-image with a current image did something: $out"
echo stale >"$cache/recipe"
# Not root, or no mirror reachable from here: either way it must try to build, not pass.
if [ "$(id -u)" -ne 0 ]; then
  out=$(ORVANE_VM32_CACHE=$cache "$work/t/tools/vm32/make-image" 2>&1)
  expect_status 1 $? "make-image with a stale image, not root"
  expect_text "needs root" "$out" "make-image with a stale image, not root"
fi
rm "$cache/initrd.img"
recipe_of >"$cache/recipe"
ORVANE_VM32_CACHE=$cache bash -c '. "$1/tools/vm32/vm32-common.sh" && ! vm32_image_current' _ "$work/t" &&
  ok || bad "an image without its initrd counts as built"

# --- How a machine's end is reported, with qemu played by a script -----------------------
# The stand-in does what the guest would have done to the job folder, named on the kernel
# command line it is given: FAKE_QEMU says how far the machine got.
mkdir -p "$work/bin"
cat >"$work/bin/qemu-system-x86_64" <<'EOF'
#!/usr/bin/env bash
job=$(printf '%s\n' "$@" | tr ' ' '\n' | sed -n 's/^vm32.job=//p')
echo "console line"
case "$FAKE_QEMU" in
no-boot) exit 1 ;;
booted) echo 12.3 >"$job/boot-seconds" ;;
finished) echo 12.3 >"$job/boot-seconds" && echo "$FAKE_STATUS" >"$job/exit-code" ;;
hang) sleep 30 ;;
esac
EOF
chmod +x "$work/bin/qemu-system-x86_64"
share=$work/share
mkdir -p "$share"
boot() { # FAKE_QEMU [FAKE_STATUS]
  out=$(PATH=$work/bin:$PATH FAKE_QEMU=$1 FAKE_STATUS=${2:-0} ORVANE_VM32_CACHE=$cache \
    ORVANE_VM32_TIMEOUT=${timeout:-60} bash -c '. "$1/tools/vm32/vm32-common.sh" &&
      mkdir -p "$2/job" && vm32_boot "file=x" "$2" "$2/job"' _ "$work/t" "$share" 2>&1)
}
boot finished 0
expect_status 0 $? "a machine whose command passed"
expect_text "Booted in 12 s" "$out" "a machine whose command passed"
expect_text "console line" "$(cat "$share/job/console.log")" "the console's log"
boot finished 3
expect_status 3 $? "a machine whose command failed"
boot booted
expect_status 125 $? "a machine that stopped in its command"
expect_text "did not finish its command" "$out" "a machine that stopped in its command"
boot no-boot
expect_status 125 $? "a machine that did not boot"
expect_text "did not boot" "$out" "a machine that did not boot"
timeout=2 boot hang
expect_status 125 $? "a machine that hangs"
expect_text "did not finish within 2 s" "$out" "a machine that hangs"

# --- Folders run-in-vm refuses: the machine could not find them at the same path ---------
# With the stand-in qemu and a current image, so that a check that lets them through
# boots nothing real.
recipe_of >"$cache/recipe"
touch "$cache/initrd.img"
run_in_vm() { PATH=$work/bin:$PATH ORVANE_VM32_CACHE=$cache "$work/t/tools/vm32/run-in-vm" "$@"; }
out=$(run_in_vm "$share" "$work/elsewhere" true 2>&1)
expect_status 2 $? "a job folder outside the share"
expect_text "not inside" "$out" "a job folder outside the share"
touch "$share/kept"
out=$(run_in_vm "$share" "$share/" true 2>&1)
expect_status 2 $? "the share itself as the job folder"
[ -f "$share/kept" ] && ok || bad "run-in-vm emptied the share it was given as its job folder"
mkdir -p "$work/with space"
out=$(run_in_vm "$work/with space" "$work/with space/job" true 2>&1)
expect_status 2 $? "a share with a space"
expect_text "with spaces" "$out" "a share with a space"

echo "test-vm32: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
