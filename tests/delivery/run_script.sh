#!/usr/bin/env bash
# scripts/run.sh as a new user runs it: in a freshly bootstrapped minimal
# Debian, from a copy of this source tree, before anything else is installed
# there. Fails unless it installs what it needs, builds the program and
# shows its window on a private X server of this machine. Prints how long
# each step took and what it installed.
#   run_script.sh [--suite SUITE] [--fresh-downloads]
#     --suite SUITE      the Debian release (bookworm by default)
#     --fresh-downloads  every package downloaded afresh, as a new user's
#                        would be, not taken from the kept downloads
# It waits for the install and the build as long as they run, then up to a
# minute for the window. Needs root (chroot, private namespaces): without
# it, it says so and exits 77 (left out), except in CI (CI=true), where it fails.
set -euo pipefail
repo="$(cd "$(dirname "$0")/../.." && pwd)"
. "$repo/scripts/lib/common.sh"
. "$repo/scripts/lib/debian_root.sh"
suite=bookworm
apt_cache=yes
while [ $# -gt 0 ]; do
  case "$1" in
    --suite) suite="$2" && shift 2 ;;
    --fresh-downloads) apt_cache="" && shift ;;
    *) echo "usage: $0 [--suite SUITE] [--fresh-downloads]" >&2 && exit 2 ;;
  esac
done
what="scripts/run.sh in a fresh Debian $suite"
status=0
korvane_roots_usable "$what" || status=$?
[ "$status" -eq 77 ] && exit 77
[ "$status" -eq 0 ] || exit 1
korvane_install_packages debootstrap xvfb xauth x11-utils xdotool

work="$(mktemp -d)"
root="$work/root"
cleanup() {
  korvane_root_stop
  korvane_stop_xvfb
  korvane_root_remove "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM

korvane_root_unpack "$suite" "$root"
packages_before="$(chroot "$root" dpkg-query -W -f='${Package}\n' | wc -l)"
size_before="$(du -sm "$root" | cut -f1)"
clone=/root/korvane
korvane_copy_source "$repo" "$root$clone"
korvane_start_xvfb "$work"

options=(--x11 "$KORVANE_XVFB_SOCKET")
[ -n "$apt_cache" ] && options+=(--apt-cache "$(korvane_debian_archives "$suite")")
started=$SECONDS
korvane_root_start "$root" "${options[@]}" DISPLAY="$DISPLAY" XDG_RUNTIME_DIR=/tmp -- bash -c '
  . "$0/scripts/lib/common.sh"
  korvane_start_run_script "$0" /tmp/run.log || exit 1
  touch /tmp/program-started
  wait "$KORVANE_RUN_PID"' "$clone"

installed=""
until [ -e "$root/tmp/program-started" ]; do
  # The build folder appears once the packages are in.
  [ -z "$installed" ] && [ -d "$root$clone/build-run" ] && installed=$((SECONDS - started))
  if ! korvane_root_running; then
    korvane_root_wait || true
    echo "FAILED: $what"
    exit 1
  fi
  sleep 0.5
done
built=$((SECONDS - started))
korvane_load_identity "$root$clone/build-run"
if ! window="$(korvane_wait_for_window "^$KORVANE_CAPTION\$" "" 600)"; then
  tail -n 20 "$root/tmp/run.log"
  echo "FAILED: $what: the program it built showed no window within a minute"
  exit 1
fi
seconds=$((SECONDS - started))
[ -z "${KORVANE_FIRST_START_SHOT:-}" ] || import -window root "$KORVANE_FIRST_START_SHOT" || true
korvane_root_stop

packages_after="$(chroot "$root" dpkg-query -W -f='${Package}\n' | wc -l)"
downloaded="$(find "$root/var/cache/apt/archives" -name '*.deb' -printf '%s\n' |
  awk '{ s += $1 } END { printf "%.0f", s / 1048576 }')"
rm -f "$root/var/cache/apt/archives/"*.deb
size_after="$(($(du -sm "$root" | cut -f1) - $(du -sm "$root$clone" | cut -f1)))"
echo "$what: window $window up after $((seconds / 60)) min $((seconds % 60)) s" \
  "(packages in after ${installed:-?} s, built after $built s)"
echo "load average at the end: $(cut -d ' ' -f 1-3 /proc/loadavg)"
echo "packages: $((packages_after - packages_before)) installed ($packages_before before)"
[ -n "$apt_cache" ] || echo "downloaded: $downloaded MB of packages"
echo "root grew by $((size_after - size_before)) MB (installed packages, apt lists; downloads removed)," \
  "build-run/ $(du -sm "$root$clone/build-run" | cut -f1) MB"
echo "compiled files: $(grep -c "Building CXX" "$root/tmp/run.log" || true)"
