#!/usr/bin/env bash
# Installs the Debian package the way a user would, on a freshly bootstrapped
# minimal Debian, and checks that the installed program shows its window on
# this test's X server.
#   fresh_root.sh FOLDER CAPTION [SUITE]
# FOLDER holds the one .deb to install; SUITE is the Debian release to
# install it on (bookworm, trixie), this machine's own by default.
# Needs root (chroot, mounts and processes in private namespaces) and
# debootstrap; exits 77 (skipped) without them, except in CI (CI=true).
# The bootstrapped root is kept as a tarball in the cache folder, so only
# the first run downloads it; the mirror is the one this machine's apt uses.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/../../scripts/lib/common.sh"
. "$here/../../scripts/lib/debian_root.sh"
debs=("$1"/*.deb)
[ -f "${debs[0]}" ] || { echo "FAILED: no .deb in $1"; exit 1; }
deb="$(realpath "${debs[0]}")"
caption="$2"
# The release the package was made for: this machine's, unless named.
suite="${3:-$(korvane_debian_codename)}"

korvane_roots_usable "the fresh-root install" || exit $?
command -v debootstrap >/dev/null || { echo "FAILED: debootstrap is missing"; exit 1; }
x11="$(korvane_display_socket)" || { echo "FAILED: no X server to show the window on (DISPLAY=${DISPLAY:-})"; exit 1; }

work="$(mktemp -d)"
root="$work/root"
cleanup() {
  korvane_root_stop
  korvane_root_remove "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM

korvane_root_unpack "$suite" "$root"
# What the root needs from outside: the package, and the X server's cookie.
cp "$deb" "$root/tmp/"
mkdir -p "$root/tmp/home" "$root/tmp/runtime"
chmod 700 "$root/tmp/runtime"
xauthority=""
if [ -n "${XAUTHORITY:-}" ] && [ -f "$XAUTHORITY" ]; then
  cp "$XAUTHORITY" "$root/tmp/xauthority"
  xauthority=/tmp/xauthority
fi

# Installed as a user would, then started in place of the installing shell.
korvane_root_start "$root" --x11 "$x11" --apt-cache "$(korvane_debian_archives "$suite")" \
  DEBIAN_FRONTEND=noninteractive -- bash -c '
  apt-get -q update >/tmp/apt.log 2>&1 &&
    flock -w 1800 /var/cache/apt/archives/korvane.lock apt-get -q install -y "/tmp/$1" >>/tmp/apt.log 2>&1 ||
    { tail -n 20 /tmp/apt.log; exit 1; }
  grep -E "^(Need to get|After this operation)" /tmp/apt.log || true
  touch /tmp/installed
  exec env -i PATH=/usr/bin:/bin DISPLAY="$2" XAUTHORITY="$3" HOME=/tmp/home \
    XDG_RUNTIME_DIR=/tmp/runtime LANG=C.UTF-8 QT_QPA_PLATFORM=xcb /usr/bin/korvane 2>/tmp/korvane.err' \
  install "$(basename "$deb")" "$DISPLAY" "$xauthority"

# Installing takes what it takes on a busy machine: wait for it while it runs.
until [ -e "$root/tmp/installed" ]; do
  if ! korvane_root_running; then
    korvane_root_wait || true
    echo "FAILED: installing the package in the fresh root"
    exit 1
  fi
  sleep 0.2
done

if window="$(korvane_wait_for_window "^$caption\$" "" 600)"; then
  echo "installed on fresh Debian $suite: /usr/bin/korvane shows \"$caption\" (window $window)"
  # To look at it: KORVANE_FRESH_ROOT_SHOT=/path/shot.png (needs imagemagick).
  if [ -n "${KORVANE_FRESH_ROOT_SHOT:-}" ]; then
    sleep 1
    import -window root "$KORVANE_FRESH_ROOT_SHOT"
  fi
else
  echo "FAILED: /usr/bin/korvane from the package showed no window within a minute"
  cat "$root/tmp/korvane.err"
  # Whether the server itself had gone, or only the root could not reach it.
  if xdpyinfo >/dev/null 2>&1; then
    echo "(the X server $DISPLAY still answers outside the root)"
  else
    echo "(the X server $DISPLAY does not answer outside the root either)"
  fi
  exit 1
fi
