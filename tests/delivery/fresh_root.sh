#!/usr/bin/env bash
# Installs the Debian package the way a user would, on a freshly bootstrapped
# minimal Debian, and checks that the installed program shows its window on
# this test's X server.
#   fresh_root.sh FOLDER CAPTION [SUITE]
# FOLDER holds the one .deb to install; SUITE is the Debian release to
# install it on (bookworm, trixie), this machine's own by default.
# Needs root (chroot, mounts in a private namespace) and debootstrap; exits
# 77 (skipped) without root or without mount namespaces.
# The bootstrapped root is kept as a tarball in the cache folder, so only
# the first run downloads it; the mirror is the one this machine's apt uses.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/../../scripts/lib/common.sh"
. "$here/debian_root.sh"
debs=("$1"/*.deb)
[ -f "${debs[0]}" ] || { echo "FAILED: no .deb in $1"; exit 1; }
deb="$(realpath "${debs[0]}")"
caption="$2"
# The release the package was made for: this machine's, unless named.
suite="${3:-$(korvane_debian_codename)}"

# Skipped where it cannot run, except in CI, where it must.
skip() {
  if [ "${CI:-}" = true ]; then
    echo "FAILED: $1, and CI must run this test"
    exit 1
  fi
  echo "skipped: $1"
  exit 77
}

if [ "$(id -u)" -ne 0 ]; then
  skip "the fresh-root install needs root (chroot and mounts)"
fi
command -v debootstrap >/dev/null || { echo "FAILED: debootstrap is missing"; exit 1; }
if ! unshare --mount --propagation private true 2>/dev/null; then
  skip "this machine allows no private mount namespace (a container without it)"
fi
[ -n "${DISPLAY:-}" ] || { echo "FAILED: no X server to show the window on"; exit 1; }

work="$(mktemp -d)"
root="$work/root"
program_pid=""
inside_pid=""
cleanup() {
  korvane_kill $program_pid $inside_pid
  # The mounts live in a private mount namespace (see below) and are gone
  # with it; check before removing anything so that rm never crosses one.
  if grep -q " $work/" /proc/self/mounts; then
    echo "FAILED: mounts left under $work; not removing it"
  else
    rm -rf "$work"
  fi
}
trap cleanup EXIT

tarball="$(korvane_debian_root_tarball "$suite" "$work")"
mkdir -p "$root"
tar -C "$root" -xzf "$tarball"

# What the root needs from outside: name resolution, the package, the X
# server's socket and its cookie, and the package downloads of earlier runs.
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/"
mkdir -p "$root/tmp/.X11-unix" "$root/tmp/home" "$root/tmp/runtime"
chmod 1777 "$root/tmp/.X11-unix"
chmod 700 "$root/tmp/runtime"
[ -n "${XAUTHORITY:-}" ] && [ -f "$XAUTHORITY" ] && cp "$XAUTHORITY" "$root/tmp/xauthority"
korvane_archives_in "$suite" "$root"

# Everything mounted happens inside a private mount namespace, which takes
# its mounts with it when it ends, however this script ends.
cat >"$work/inside.sh" <<'INSIDE'
set -euo pipefail
root="$1" deb_name="$2"
mount -t proc proc "$root/proc"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive \
  apt-get -q update >"$root/tmp/apt.log" 2>&1 || { tail -n 20 "$root/tmp/apt.log"; exit 1; }
chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive \
  apt-get -q install -y "/tmp/$deb_name" >>"$root/tmp/apt.log" 2>&1 ||
  { tail -n 20 "$root/tmp/apt.log"; exit 1; }
grep -E "^(Need to get|After this operation)" "$root/tmp/apt.log" || true
xauthority=""
[ -f "$root/tmp/xauthority" ] && xauthority=/tmp/xauthority
# chroot execs env, which execs the program: the id is the program's.
chroot "$root" env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" XAUTHORITY="$xauthority" \
  HOME=/tmp/home XDG_RUNTIME_DIR=/tmp/runtime LANG=C.UTF-8 QT_QPA_PLATFORM=xcb \
  /usr/bin/korvane 2>"$root/tmp/korvane.err" &
echo $! >"$root/tmp/korvane.pid"
wait "$!" 2>/dev/null || true
INSIDE

unshare --mount --propagation private bash "$work/inside.sh" "$root" "$(basename "$deb")" &
inside_pid=$!
# The program's id appears once the package is installed and it started.
while [ ! -s "$root/tmp/korvane.pid" ]; do
  if ! kill -0 "$inside_pid" 2>/dev/null; then
    wait "$inside_pid" || true
    echo "FAILED: installing the package in the fresh root"
    exit 1
  fi
  sleep 0.2
done
program_pid="$(cat "$root/tmp/korvane.pid")"
korvane_archives_out "$suite" "$root"

status=0
if window="$(korvane_wait_for_window "^$caption\$" "" 150)"; then
  echo "installed on fresh Debian $suite: /usr/bin/korvane shows \"$caption\" (window $window)"
  # To look at it: KORVANE_FRESH_ROOT_SHOT=/path/shot.png (needs imagemagick).
  if [ -n "${KORVANE_FRESH_ROOT_SHOT:-}" ]; then
    sleep 1
    import -window root "$KORVANE_FRESH_ROOT_SHOT"
  fi
else
  echo "FAILED: /usr/bin/korvane from the package showed no window"
  cat "$root/tmp/korvane.err"
  status=1
fi
korvane_kill "$program_pid"
program_pid=""
wait "$inside_pid" 2>/dev/null || true
inside_pid=""
exit "$status"
