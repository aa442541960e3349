#!/usr/bin/env bash
# Screenshots of every window of the Windows program under Wine, on a private
# X server with a window manager: the birth details, the about window, the
# three tabs of the result window and its save dialog, the message of a
# second copy, the exit window, and the installer's message on a Windows
# older than 10 version 1809. The reading saved through that dialog, as a
# PDF and as a picture, lands beside the screenshots.
#   scripts/screenshots-windows.sh [SCALE] [FOLDER] [--here]
# SCALE is Windows' display scale, 1 or 2 (96 or 192 dots per inch); FOLDER
# defaults to build-windows/screenshots-SCALE. The program is built first
# (scripts/build-windows.sh) and shot in its Debian 13 root under Debian 13's
# Wine; --here shoots what build-windows/package holds under this machine's
# Wine instead. LANGUAGE=zh_CN (a catalogue's code) shoots the program as a
# Windows in that display language shows it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
. "$root/scripts/lib/common.sh"
. "$root/scripts/lib/debian_root.sh"
. "$root/scripts/lib/windows.sh"
here=""
positional=()
for argument in "$@"; do
  if [ "$argument" = --here ]; then here=yes; else positional+=("$argument"); fi
done
scale="${positional[0]:-1}"
out="$(realpath -m "${positional[1]:-$root/build-windows/screenshots-$scale}")"

if [ -z "$here" ]; then
  "$root/scripts/build-windows.sh"
  trap korvane_root_stop EXIT
  trap 'exit 1' INT TERM
  korvane_in_windows_root "$root" "" --bind "$out" "$root/scripts/screenshots-windows.sh" "$scale" "$out"
  exit 0
fi

korvane_load_identity "$root/build-windows/build"
name="$KORVANE_EXECUTABLE-$KORVANE_VERSION-win64"
program="$root/build-windows/package/$name/$KORVANE_EXECUTABLE.exe"
setup="$root/build-windows/package/$name-setup.exe"
mkdir -p "$out"
# Wine gives the program and the installer the display language and user
# locale that LANG names, the first locale generated for the catalogue
# (scripts/build-windows.sh).
language="${LANGUAGE:-en}"
korvane_use_catalogue "$root" "$language"
locale=""
for candidate in "${KORVANE_WINDOWS_LOCALES[@]}"; do
  [[ "$candidate" == "$KORVANE_SCRIPT_LANGUAGE"[._]* ]] && locale="$candidate" && break
done
[ -n "$locale" ] || { echo "no locale for the catalogue $language" >&2; exit 1; }
export LANG="$locale"
key() { korvane_access_key "$1"; }
work="$(mktemp -d)"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
mkdir -p "$HOME"
started=()
cleanup() {
  korvane_kill "${started[@]}"
  wineserver -k 2>/dev/null || true
  korvane_stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
korvane_start_xvfb "$work" 2400x1600x24
openbox >/dev/null 2>&1 &
started+=($!)
korvane_poll 100 korvane_window_manager_up || { echo "no window manager came up" >&2; exit 1; }

wineboot -i >/dev/null 2>&1
dpi=$((96 * scale))
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Fonts' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
wineserver -w

# Shoots the window titled $2 with a client area $3 logical pixels wide (any
# width without $3) as $1.png, once it is there and has been painted.
shoot() {
  local id
  id="$(korvane_wait_for_window "^$2\$" "${3:+$(($3 * scale))}" 300)" || {
    echo "no window '$2' ${3:+$3 wide}; there are:" \
      "$(xdotool search --onlyvisible --name . getwindowname %@ | tr '\n' ',')" >&2
    import -window root "$out/failure.png"
    exit 1
  }
  sleep 1
  import -frame -window "$id" "$out/$1.png"
  echo "wrote $out/$1.png"
}

wine "$program" &
started+=($!)
main="$(korvane_wait_for_window "^$KORVANE_CAPTION\$" $((488 * scale)) 600)" ||
  { echo "the birth details window did not appear" >&2; exit 1; }
korvane_activate "$main" || true
# The name box's own menu, in Qt's words (Qt's translations in the folder).
xdotool type --delay 30 "Ann"
xdotool key Menu
sleep 1
eval "$(xdotool getwindowgeometry --shell "$main")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$out/windows-name-menu.png"
echo "wrote $out/windows-name-menu.png"
xdotool key Escape ctrl+a BackSpace
korvane_type_birth_details "$(korvane_date_order)"
xdotool key Tab
shoot windows-birth-details "$KORVANE_CAPTION" 488

korvane_choose_from_menu "$(key menu.help)" "$(key menu.about)" korvane_wait_for_window "^$KORVANE_CAPTION\$" $((399 * scale)) 1 >/dev/null ||
  { echo "Help, About showed no about window" >&2; exit 1; }
shoot windows-about "$KORVANE_CAPTION" 399
xdotool key Escape

# A second copy's message.
wine "$program" &
started+=($!)
shoot windows-already-running "$KORVANE_PRODUCT_NAME"
xdotool key Return

korvane_activate "$main" || true
xdotool key "alt+$(key birth.proceed)"
shoot windows-result-astrology "$KORVANE_CAPTION" 521
xdotool key ctrl+Tab
shoot windows-result-feng-shui "$KORVANE_CAPTION" 521
xdotool key ctrl+Tab
shoot windows-result-elements "$KORVANE_CAPTION" 521

# File, Save: the dialog, then the reading saved through it as a PDF and as
# a picture, each name typed over the one it suggests. The dialog adds the
# chosen kind's suffix to a name with another one: the PDF kind is chosen
# first (the kinds' list is after the name, the picture first in it).
# The dialog is found by its whole title (korvane_window_titled).
result="$(korvane_wait_for_window "^$KORVANE_CAPTION\$" $((521 * scale)))"
title="$(korvane_entry_text save.title)"
for saved in windows-saved-reading.pdf windows-saved-reading.png; do
  rm -f "$out/$saved"
  korvane_activate "$result" || true
  xdotool key ctrl+s
  dialog="$(korvane_poll 300 korvane_window_titled "$title")" || { echo "File, Save showed no save dialog" >&2; exit 1; }
  korvane_activate "$dialog" || true
  if [ "$saved" = windows-saved-reading.pdf ]; then
    sleep 1
    import -frame -window "$dialog" "$out/windows-save.png"
    echo "wrote $out/windows-save.png"
  fi
  [ "$saved" = windows-saved-reading.pdf ] && xdotool key Tab Down shift+Tab
  xdotool key ctrl+a
  xdotool type --delay 30 "$(winepath -w "$out/$saved")"
  xdotool key Return
  korvane_poll 100 test -s "$out/$saved" || { echo "Save wrote no $out/$saved" >&2; exit 1; }
  echo "wrote $out/$saved"
done
korvane_activate "$result" || true

korvane_choose_from_menu "$(key menu.file)" "$(key command.exit)" korvane_wait_for_window "^$KORVANE_CAPTION\$" $((741 * scale)) 1 >/dev/null ||
  { echo "File, Exit showed no exit window" >&2; exit 1; }
shoot windows-exit-promotion "$KORVANE_CAPTION" 741
xdotool key "alt+$(key command.exit)"
wineserver -w

# The installer on Windows 8.1: its message has the installer's title in
# Windows' display language.
wine winecfg -v win81 >/dev/null 2>&1
wine "$setup" &
started+=($!)
caption="$(korvane_setup_caption "$root" "$KORVANE_SCRIPT_LANGUAGE")"
setup_message="$(korvane_poll 300 korvane_window_titled "$caption")" ||
  { echo "the installer showed no '$caption'" >&2; exit 1; }
sleep 1
import -frame -window "$setup_message" "$out/windows-setup-too-old.png"
echo "wrote $out/windows-setup-too-old.png"
xdotool key Return
