#!/usr/bin/env bash
# The Debian 13 part of the test command, run from Debian 12. In a fresh
# minimal Debian 13 root (bootstrapped once and cached like the Debian 12
# root of the package test), a copy of this source tree:
#   - installs what it needs with scripts/install-dependencies.sh,
#   - builds the release with its tests and runs them: among them the
#     Debian 13 package, Debian 13's lintian on it, and its install on
#     another fresh Debian 13 root, where its window must come up,
#   - brings the window up with scripts/run.sh.
# Then the Debian 12 package, from the folder given, is installed on a
# fresh Debian 13 root, where its window must come up too.
#   tests/debian13/run.sh DEBIAN12_PACKAGE_FOLDER
# Needs root (chroot, mounts in a private namespace): without it, it says
# so and leaves itself out, except in CI (CI=true), where it fails.
set -euo pipefail
repo="$(cd "$(dirname "$0")/../.." && pwd)"
. "$repo/scripts/lib/common.sh"
. "$repo/tests/delivery/debian_root.sh"
suite=trixie
package12="$1"

if [ "$(korvane_debian_codename)" = "$suite" ]; then
  echo "Debian 13 part left out: this machine runs Debian 13, where the tests above ran"
  exit 0
fi
# Left out loudly where it cannot run, except in CI, where it must run.
cannot_run() {
  if [ "${CI:-}" = true ]; then
    echo "FAILED: the Debian 13 part $1, and CI must run it"
    exit 1
  fi
  echo "SKIPPED: the Debian 13 part $1"
  exit 0
}
[ "$(id -u)" -eq 0 ] || cannot_run "needs root (chroot and mounts)"
unshare --mount --propagation private true 2>/dev/null ||
  cannot_run "needs a private mount namespace, which this machine does not allow"
korvane_install_packages debootstrap xvfb xauth x11-utils xdotool
korvane_load_identity "$repo/build"

work="$(mktemp -d)"
root="$work/root"
inside_pid=""
cleanup() {
  korvane_kill $inside_pid
  # The mounts live in a private mount namespace and are gone with it;
  # check before removing anything so that rm never crosses one.
  if grep -q " $work/" /proc/self/mounts; then
    echo "FAILED: mounts left under $work; not removing it"
  else
    rm -rf "$work"
  fi
}
trap cleanup EXIT
trap "exit 1" INT TERM
started=$SECONDS
step() { echo "== Debian 13, $((SECONDS - started)) s: $*"; }

step "the minimal root"
tarball="$(korvane_debian_root_tarball "$suite" "$work")"
mkdir -p "$root"
tar -C "$root" -xzf "$tarball"
cp /etc/resolv.conf "$root/etc/resolv.conf"
korvane_archives_in "$suite" "$root"
# The source tree as a clone holds it: tracked and new files, no build folders.
mkdir -p "$root/src"
if git -C "$repo" rev-parse --git-dir >/dev/null 2>&1; then
  (cd "$repo" && git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
    tar --null -T - -cf -) | tar -C "$root/src" -xf -
else
  tar -C "$repo" --exclude=./build --exclude='./build-*' -cf - . | tar -C "$root/src" -xf -
fi
# The nested package test finds the cached Debian 13 root and downloads here.
mkdir -p "$root/root/.cache/korvane"

cat >"$work/inside.sh" <<'INSIDE'
set -euo pipefail
root="$1" cache="$2" caption="$3"
# The root as a mount point of its own, so that the package test inside can
# make private mount namespaces of its own.
mount --bind "$root" "$root"
mount -t proc proc "$root/proc"
mount --rbind /dev "$root/dev"
mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"
mount --bind "$cache" "$root/root/.cache/korvane"
chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
  CI="${CI:-}" DEBIAN_FRONTEND=noninteractive bash -c '
  set -euo pipefail
  cd /src
  . scripts/lib/common.sh
  step() { echo "== Debian 13, inside, $SECONDS s: $*"; }
  installed() { dpkg-query -W -f="\${Installed-Size}\n" | awk "{ s += \$1 } END { print int(s / 1024) }"; }
  step "installing the packages"
  before="$(installed)"
  scripts/install-dependencies.sh >/tmp/install.log 2>&1 || { tail -n 30 /tmp/install.log; exit 1; }
  echo "$(du -sm /var/cache/apt/archives | cut -f1) MB of packages at hand, $(($(installed) - before)) MB installed"
  step "building the release with its tests (Qt $(dpkg-query -W -f="\${Version}" qt6-base-dev))"
  cmake --preset default >/tmp/configure.log 2>&1 || { cat /tmp/configure.log; exit 1; }
  cmake --build --preset default --parallel "$(nproc)" >/tmp/build.log 2>&1 ||
    { tail -n 60 /tmp/build.log; exit 1; }
  grep -i "warning" /tmp/build.log || true
  step "the release tests"
  status=0
  ctest --preset default --timeout 300 || status=1
  step "scripts/run.sh brings the window up"
  notes="$(mktemp -d)"
  korvane_start_xvfb "$notes"
  scripts/run.sh >"$notes/run.log" 2>&1 &
  program=$!
  if window="$(korvane_wait_for_window "^$0\$" "" 600)"; then
    echo "scripts/run.sh shows \"$0\" (window $window)"
  else
    cat "$notes/run.log"
    echo "FAILED: scripts/run.sh showed no window on Debian 13"
    status=1
  fi
  korvane_kill "$program"
  korvane_stop_xvfb
  rm -rf "$notes"
  step "done"
  exit "$status"' "$caption"
INSIDE

status=0
unshare --mount --propagation private bash "$work/inside.sh" "$root" "$KORVANE_ROOT_CACHE" \
  "$KORVANE_CAPTION" &
inside_pid=$!
wait "$inside_pid" || status=1
inside_pid=""
korvane_archives_out "$suite" "$root"

step "the Debian 12 package on a fresh Debian 13 root"
xvfb-run -a -s "-screen 0 1280x1024x24" \
  bash "$repo/tests/delivery/fresh_root.sh" "$package12" "$KORVANE_CAPTION" "$suite" || status=1

step "done"
[ "$status" -eq 0 ] || echo "FAILED: the Debian 13 part"
exit "$status"
