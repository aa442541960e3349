#!/usr/bin/env bash
# The Windows part of the test command, in a Debian 13 root (Debian 13's
# MinGW, Qt host tools and Wine): cross-builds Korvane with its tests
# (scripts/build-windows.sh --tests), checks the portable folder, runs every
# Qt Test suite that needs no X11 under Wine, then the installer and the
# installed program end to end on a private X server. Everything under Wine
# runs in fresh Wine prefixes in temporary folders.
#   tests/windows/run.sh [--root DIR] [--here]
#     --root DIR  in the Debian 13 root in DIR (default: the one
#                 scripts/build-windows.sh keeps)
#     --here      on this machine, which must run Debian 13
# A root needs root privileges: without them it says so and exits 77 (left
# out), except in CI (CI=true), where it fails.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
. "$root/scripts/lib/common.sh"
. "$root/scripts/lib/debian_root.sh"
. "$root/scripts/lib/windows.sh"

here=""
debian_root=""
while [ $# -gt 0 ]; do
  case "$1" in
    --here) here=yes && shift ;;
    --root) debian_root="$(realpath "$2")" && shift 2 ;;
    *) echo "usage: $0 [--root DIR] [--here]" >&2 && exit 2 ;;
  esac
done
started=$SECONDS

if [ -z "$here" ]; then
  status=0
  korvane_roots_usable "the Windows part" || status=$?
  [ "$status" -eq 77 ] && exit 77
  [ "$status" -eq 0 ] || exit 1
  korvane_install_packages debootstrap xz-utils
  trap korvane_root_stop EXIT
  trap 'exit 1' INT TERM
  shots=()
  if [ -n "${KORVANE_E2E_SHOTS:-}" ]; then
    KORVANE_E2E_SHOTS="$(realpath -m "$KORVANE_E2E_SHOTS")"
    shots=(--bind "$KORVANE_E2E_SHOTS")
  fi
  korvane_in_windows_root "$root" "$debian_root" "${shots[@]}" "$root/tests/windows/run.sh" || status=1
  echo "Windows part: $((SECONDS - started)) s"
  exit "$status"
fi

"$root/scripts/build-windows.sh" --here --tests
korvane_load_identity "$root/build-windows/build"
setup="$root/build-windows/package/$KORVANE_EXECUTABLE-$KORVANE_VERSION-win64-setup.exe"
echo "Windows build: $((SECONDS - started)) s"

work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
cleanup() {
  WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null || true
  korvane_stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM
status=0

bash "$root/tests/windows/portable_folder.sh" "$root/build-windows/build" || status=1

# The suites share one prefix and one Wine server that stays up between them.
(
  export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
  mkdir -p "$HOME"
  unset DISPLAY WAYLAND_DISPLAY
  wineboot -i >/dev/null 2>&1
  # No X server for the suites: Wine's null display driver starts each
  # program in a second where looking for one takes twenty. Wine's services
  # start again with it, their output going nowhere.
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
  wineserver -w
  wineserver -p
  wineboot >/dev/null 2>&1
  ctest --test-dir "$root/build-windows/build" --output-on-failure --timeout 300
) || status=1
wineserver -k 2>/dev/null || true
unset WINEPREFIX

# The end-to-end run reads the PDF it saves, on an X server of its own, on
# a number no other server here or outside the root has, ended by its id.
korvane_install_packages poppler-utils
mkdir -p "$work/x"
korvane_start_xvfb "$work/x"
bash "$root/tests/windows/end_to_end.sh" "$setup" || status=1
korvane_stop_xvfb
echo "Windows part, inside the root: $((SECONDS - started)) s"
exit "$status"
