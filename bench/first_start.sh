#!/usr/bin/env bash
# Measures a new user's first scripts/run.sh: on a freshly bootstrapped
# minimal Debian 12, from a clean clone of this repository's HEAD to the
# birth details window on screen. Prints the time, the packages installed,
# what apt downloaded and how much the root grew.
#   bench/first_start.sh            (as root; needs debootstrap, git, Xvfb, xdotool)
# The bootstrapped root is cached as tests/delivery/fresh_root.sh caches it;
# the packages are downloaded afresh every time, as a new user's would be.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/.." && pwd)"
. "$repo/scripts/lib/common.sh"
suite=bookworm
[ "$(id -u)" -eq 0 ] || { echo "needs root (chroot and mounts)" >&2; exit 1; }

# The mirror this machine's apt uses: the first deb822 URI listing the suite.
mirror="$(awk -v suite="$suite" 'BEGIN { RS = ""; FS = "\n" }
  { uris = ""; suites = ""
    for (i = 1; i <= NF; i++) { if ($i ~ /^URIs:/) uris = $i; if ($i ~ /^Suites:/) suites = $i }
    if ((suites " ") ~ ("[ \t]" suite "[ \t]")) { sub(/^URIs:[ \t]*/, "", uris); split(uris, u, /[ \t]+/); print u[1]; exit } }' \
  /etc/apt/sources.list.d/*.sources 2>/dev/null)"
[ -n "$mirror" ] || { echo "no $suite mirror in /etc/apt/sources.list.d/" >&2; exit 1; }

cache="${XDG_CACHE_HOME:-$HOME/.cache}/korvane"
tarball="$cache/debian-$suite-minbase-$(dpkg --print-architecture).tar.gz"
work="$(mktemp -d)"
root="$work/root"
inside_pid=""
cleanup() {
  korvane_kill $inside_pid
  korvane_stop_xvfb
  if grep -q " $work/" /proc/self/mounts; then
    echo "mounts left under $work; not removing it" >&2
  else
    rm -rf "$work"
  fi
}
trap cleanup EXIT

mkdir -p "$cache" "$root"
if [ ! -s "$tarball" ]; then
  unshare --mount --propagation private \
    debootstrap --variant=minbase "$suite" "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
    { tail -n 30 "$work/debootstrap.log"; exit 1; }
  tar -C "$root" -czf "$tarball.partial" . && mv "$tarball.partial" "$tarball"
else
  tar -C "$root" -xzf "$tarball"
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"
mkdir -p "$root/tmp/.X11-unix"
chmod 1777 "$root/tmp/.X11-unix"
packages_before="$(chroot "$root" dpkg-query -W -f='${Package}\n' | wc -l)"
size_before="$(du -sm "$root" | cut -f1)"
git clone -q "$repo" "$root/root/korvane"

korvane_start_xvfb "$work"
cat >"$work/inside.sh" <<'INSIDE'
set -euo pipefail
root="$1"
mount -t proc proc "$root/proc"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
  DISPLAY="$DISPLAY" XDG_RUNTIME_DIR=/tmp /root/korvane/scripts/run.sh
INSIDE
started=$SECONDS
unshare --mount --propagation private bash "$work/inside.sh" "$root" >"$work/run.log" 2>&1 &
inside_pid=$!
caption="Korvane v"
window=""
installed=""
while [ -z "$window" ]; do
  # The build folder appears once the packages are in.
  if [ -z "$installed" ] && { [ -d "$root/root/korvane/build-run" ] || [ -d "$root/root/korvane/build" ]; }; then
    installed=$((SECONDS - started))
  fi
  if ! kill -0 "$inside_pid" 2>/dev/null; then
    tail -n 30 "$work/run.log"
    echo "scripts/run.sh ended without showing a window" >&2
    exit 1
  fi
  window="$(korvane_windows "^$caption" | head -n 1)"
  [ -n "$window" ] || sleep 0.5
done
seconds=$((SECONDS - started))
import -window root "${KORVANE_FIRST_START_SHOT:-$work/shot.png}" 2>/dev/null || true
korvane_kill "$inside_pid"
inside_pid=""

packages_after="$(chroot "$root" dpkg-query -W -f='${Package}\n' | wc -l)"
downloaded="$(find "$root/var/cache/apt/archives" -name '*.deb' -printf '%s\n' |
  awk '{ s += $1 } END { printf "%.0f", s / 1048576 }')"
rm -rf "$root/var/cache/apt/archives/"*.deb
size_after="$(($(du -sm "$root" | cut -f1) - $(du -sm "$root/root/korvane" | cut -f1)))"
build="$root/root/korvane/build-run"
[ -d "$build" ] || build="$root/root/korvane/build"
build_size="$(du -sm "$build" | cut -f1)"
echo "window up after $((seconds / 60)) min $((seconds % 60)) s (packages in after ${installed:-?} s, then configuring, building, starting)"
echo "load average at the end: $(cut -d ' ' -f 1-3 /proc/loadavg)"
echo "packages: $((packages_after - packages_before)) installed ($packages_before before)"
echo "downloaded: $downloaded MB of packages"
echo "root grew by $((size_after - size_before)) MB (installed packages, apt lists; downloads removed), $(basename "$build")/ $build_size MB"
grep -c "Building CXX" "$work/run.log" | sed 's/^/compiled files: /'
