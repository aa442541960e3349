#!/usr/bin/env bash
# The Windows part of the test command: cross-builds Korvane with its tests
# (scripts/build-windows.sh), runs every Qt Test suite that needs no X11 under
# Wine, then the installer and the installed program end to end on a private
# X server. Everything runs in a fresh Wine prefix in a temporary folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"

. "$root/scripts/lib/common.sh"
korvane_install_packages xvfb xauth x11-utils xdotool openbox imagemagick

KORVANE_WINDOWS_TESTS=ON "$root/scripts/build-windows.sh"
setup=$(ls "$root"/build-windows/package/korvane-*-win64-setup.exe)

work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
cleanup() {
  WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM
status=0

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

xvfb-run -a -s "-screen 0 1280x1024x24" \
  bash "$root/tests/windows/end_to_end.sh" "$setup" || status=1
exit "$status"
