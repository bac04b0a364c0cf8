# Shared by the 32-bit test machine's scripts (sourced): where its image is kept and
# which recipe it was built from.
#   ORVANE_VM32_CACHE   the image's folder, outside any clone (default /var/cache/orvane-vm32)
# The image is rebuilt when its recipe changes: the recipe is the files that make it
# (make-image, the machine's first process guest-init, and the Wine scripts that make the
# prefix it carries), and its hash is kept beside the image in the folder's "recipe" file.

vm32_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
vm32_cache=${ORVANE_VM32_CACHE:-/var/cache/orvane-vm32}

vm32_log() { printf 'vm32: %s\n' "$*" >&2; }

vm32_recipe_hash() {
  (cd "$vm32_dir/.." && sha256sum vm32/make-image vm32/guest-init wine/wine-env wine/wine-common.sh) |
    sha256sum | cut -d' ' -f1
}

vm32_image_current() {
  [ -f "$vm32_cache/recipe" ] && [ "$(cat "$vm32_cache/recipe")" = "$(vm32_recipe_hash)" ] &&
    [ -f "$vm32_cache/disk.img" ] && [ -f "$vm32_cache/vmlinuz" ] && [ -f "$vm32_cache/initrd.img" ]
}

# Installs the host's Debian packages that are missing, each given as NAME:FILE, the way
# ./dev does: a package index that fails to download does not stop it.
vm32_host_packages() {
  local missing=() entry
  for entry in "$@"; do
    [ -e "${entry##*:}" ] || missing+=("${entry%%:*}")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  vm32_log "Installing on the host: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  export DEBIAN_FRONTEND=noninteractive
  mkdir -p "$vm32_cache"
  local aptlog=$vm32_cache/host-apt.log
  if ! $sudo apt-get update -qq >"$aptlog" 2>&1; then
    vm32_log "Some package indexes failed to download (see $aptlog); going on with the others."
  fi
  if ! $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >>"$aptlog" 2>&1; then
    tail -n 5 "$aptlog" >&2
    vm32_log "Could not install ${missing[*]} (full output in $aptlog)."
    return 1
  fi
}

# Boots the machine from DISK with SHARE mounted at its own path, and runs JOB/command
# there (see guest-init); the machine's console goes to the output and JOB/console.log.
#   vm32_boot DISK_OPTIONS SHARE JOB
# Returns the command's exit status, or 125 when the machine did not boot or finish it.
vm32_boot() {
  local disk=$1 share=$2 job=$3 status=0 started elapsed
  # qemu's status, not that of the pipe that shows its console, whoever calls this.
  local -
  set -o pipefail
  local timeout=${ORVANE_VM32_TIMEOUT:-3600}
  # What an earlier run left would pass for this one's.
  rm -f "$job/boot-seconds" "$job/exit-code" "$job/output.log"
  started=$(date +%s)
  # -cpu max,-smap: qemu 7.2's emulation with SMAP oopses the guest's kernel when a
  # 32-bit program returns from a system call, which Wine does all the time.
  # -no-reboot and panic=1: a machine that fails in any way ends qemu.
  # The console passes line by line (sed -u), to be read as it comes.
  timeout -k 10 "$timeout" qemu-system-x86_64 \
    -accel tcg,thread=multi,tb-size=512 -cpu max,-smap \
    -smp "${ORVANE_VM32_CPUS:-$(nproc)}" -m "${ORVANE_VM32_MEMORY:-3G}" \
    -nodefaults -display none -monitor none -serial stdio -no-reboot \
    -kernel "$vm32_cache/vmlinuz" -initrd "$vm32_cache/initrd.img" \
    -append "root=/dev/vda rw console=ttyS0 init=/sbin/vm32-init panic=1 quiet loglevel=3 vm32.share=$share vm32.job=$job" \
    -drive "$disk,if=virtio,format=raw" \
    -virtfs "local,path=$share,mount_tag=host,security_model=none,id=host" \
    -device virtio-rng-pci </dev/null 2>&1 | sed -u 's/\r$//' | tee "$job/console.log" || status=$?
  elapsed=$(($(date +%s) - started))
  if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
    vm32_log "The machine did not finish within $timeout s and was stopped."
  fi
  if [ ! -f "$job/boot-seconds" ]; then
    vm32_log "The machine did not boot (its console is in $job/console.log)."
    return 125
  fi
  if [ ! -f "$job/exit-code" ]; then
    vm32_log "The machine did not finish its command (its console is in $job/console.log)."
    return 125
  fi
  vm32_log "Booted in $(cut -d. -f1 "$job/boot-seconds") s; ran $elapsed s in all."
  return "$(cat "$job/exit-code")"
}
