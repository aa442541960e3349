#!/usr/bin/env bash
# The Windows installer and the installed program under Wine, driven by
# keyboard the way a person would: silent install, a second copy, a reading
# saved as a PDF, a link, the exit window, the stored setting, silent
# uninstall; and, while Korvane runs, a silent install and uninstall that
# refuse and change nothing.
# Runs on the X server in DISPLAY (tests/windows/run.sh starts one) with a
# window manager of its own and a fresh Wine prefix in a temporary folder.
#   end_to_end.sh SETUP.exe
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
. "$root/scripts/lib/common.sh"
korvane_load_identity "$root/build-windows/build"
setup=$(realpath "$1")
work=$(mktemp -d)
# Wine's menu builder would copy the shortcut into the host's menus: off, and
# a home of the test's own all the same.
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
mkdir -p "$HOME"
started=()
cleanup() {
  for pid in "${started[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM

# KORVANE_E2E_SHOTS names a folder for screenshots of each step (and of a failure).
shot() { [ -n "${KORVANE_E2E_SHOTS:-}" ] && import -window root "$KORVANE_E2E_SHOTS/$1.png" || true; }
fail() {
  echo "FAILED: $*"
  shot wine-failure
  exit 1
}

# Wine hands web addresses to the host's xdg-open: this one only writes them down.
mkdir -p "$work/bin"
cat >"$work/bin/xdg-open" <<'BROWSER'
#!/bin/sh
printf '%s\n' "$1" >> "$KORVANE_E2E_OPENED"
BROWSER
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH" KORVANE_E2E_OPENED="$work/opened"
touch "$work/opened"

openbox >/dev/null 2>&1 &
started+=($!)
wineboot -i >/dev/null 2>&1

user=$(wine cmd /c 'echo %USERNAME%' 2>/dev/null | tr -d '\r')
home="$WINEPREFIX/drive_c/users/$user"
# The user's temporary folder, which Wine versions place differently.
temp="$(winepath -u "$(wine cmd /c 'echo %TEMP%' 2>/dev/null | tr -d '\r')" 2>/dev/null)"
[ -d "$temp" ] || fail "no temporary folder '$temp'"
folder="$home/AppData/Local/Programs/$KORVANE_PRODUCT_NAME"
shortcut="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Korvane.lnk"

# What the user's profile holds before Korvane comes, the temporary folder
# included. The per-user programs folder is Windows' own (it holds every
# per-user installation), so it may stay.
profile_files() {
  (cd "$WINEPREFIX/drive_c/users" && find . ! -path "./$user/AppData/Local/Programs" | sort)
}
profile_files >"$work/profile-before"

# On a Windows older than 10 version 1809, which Qt 6.8 does not run on, the
# installer refuses: status 3 and nothing installed.
wine winecfg -v win81 >/dev/null 2>&1
status=0
wine "$setup" /S || status=$?
[ "$status" -eq 3 ] || fail "the installer on Windows 8.1 ended with status $status"
[ ! -e "$folder" ] || fail "the installer on Windows 8.1 installed $(find "$folder" | head -n 3 | tr '\n' ' ')"
# On a Chinese Windows 8.1 it says so in Chinese: Windows' display language,
# which Wine takes from LANG, picks the installer's language.
caption="$(korvane_setup_caption "$root" zh_CN)"
LANG=zh_CN.UTF-8 wine "$setup" &
refusing=$!
started+=("$refusing")
box=$(korvane_poll 300 korvane_window_titled "$caption") ||
  fail "the installer on a Chinese Windows 8.1 showed no '$caption' but:" \
    "$(xdotool search --onlyvisible --name . getwindowname %@ | tr '\n' ',')"
shot wine-setup-too-old-zh
korvane_activate "$box" || fail "the installer's message did not get the focus"
xdotool key Return
status=0
wait "$refusing" || status=$?
[ "$status" -eq 3 ] || fail "the installer on a Chinese Windows 8.1 ended with status $status"
wine winecfg -v win10 >/dev/null 2>&1
echo "Windows 8.1 refused"

# Silent install, for this user only.
wine "$setup" /S || fail "the installer ended with status $?"
wineserver -w
[ -f "$folder/korvane.exe" ] || fail "no korvane.exe in $folder"
[ -f "$folder/platforms/qwindows.dll" ] || fail "no platform plugin installed"
[ -f "$folder/uninstall.exe" ] || fail "no uninstaller"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
entry=$(grep -A20 '^\[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\Korvane\]' \
  "$WINEPREFIX/user.reg") || fail "no Apps & features entry for the current user"
for field in "\"DisplayName\"=\"$KORVANE_PRODUCT_NAME\"" "\"DisplayVersion\"=\"$KORVANE_VERSION\"" '"Publisher"=' '"DisplayIcon"=' \
             '"UninstallString"=' '"QuietUninstallString"='; do
  grep -qF "$field" <<<"$entry" || fail "the Apps & features entry lacks $field"
done
echo "installed"

# The installed files with their checksums, and the Apps & features entry as
# the running Wine sees it (user.reg is written only when Wine ends).
installation() { (cd "$folder" && find . -type f -exec md5sum {} + | sort); }
entry_present() {
  wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Korvane' \
    /v DisplayName 2>/dev/null | grep -q "$KORVANE_PRODUCT_NAME"
}
# The uninstaller's copies in the temporary folder, $TEMP\~nsuN.tmp.
uninstaller_copies() { find "$temp" -maxdepth 1 -name '~nsu*'; }
no_uninstaller_copy() { [ -z "$(uninstaller_copies)" ]; }
installation >"$work/installed"

# Waits until a visible program window titled $1 has the client width $2
# (any width without $2), for up to $3 tenths of a second (15 s without).
wait_for() { korvane_wait_for_window "^$1\$" "${2:-}" "${3:-150}"; }

# How many pixels of the window have exactly the given colour.
pixels_of() {
  import -window "$1" "$work/window.png"
  convert "$work/window.png" -fill black +opaque "$2" -fill white -opaque "$2" \
    -format '%[fx:round(mean*w*h)]' info:
}

# Activates the window and waits for it to have the focus.
activate() { korvane_activate "$1" || fail "window $1 did not get the focus"; }
running() { kill -0 "$1" 2>/dev/null; }
ended() { ! running "$1"; }

# Succeeds when the window shows at least $3 pixels of colour $2, leaving
# the count in $pixels.
shows_pixels() {
  pixels=$(pixels_of "$1" "$2")
  [ "$pixels" -ge "$3" ]
}

wine "$folder/korvane.exe" &
program=$!
started+=("$program")
# The first start in a fresh prefix sets Wine up and can take a while.
main=$(wait_for "$KORVANE_CAPTION" 488 600) || fail "the birth details window did not appear"
activate "$main"
shot wine-birth-details

# A second copy is turned away, and the first one stays.
wine "$folder/korvane.exe" &
second=$!
started+=("$second")
box=$(wait_for "$KORVANE_PRODUCT_NAME") || fail "the second copy showed no message"
shot wine-already-running
activate "$box"
xdotool key Return
korvane_poll 50 ended "$second" || fail "the second copy is still running"
wait "$second" || fail "the second copy ended with status $?"
running "$program" || fail "the first copy ended too"
echo "second copy refused"

# While Korvane runs, its files are in use: a silent install and a silent
# uninstall each end with status 2 and leave the installation as it was.
status=0
wine "$setup" /S || status=$?
[ "$status" -eq 2 ] || fail "the installer, with Korvane running, ended with status $status"
status=0
wine "$folder/uninstall.exe" /S "_?=$(winepath -w "$folder")" || status=$?
[ "$status" -eq 2 ] || fail "the uninstaller, with Korvane running, ended with status $status"
# As Apps & features starts it: from a copy in the temporary folder, which
# goes once it has ended.
wine "$folder/uninstall.exe" /S || fail "the uninstaller's launcher ended with status $?"
korvane_poll 300 no_uninstaller_copy ||
  fail "the uninstaller's copy is still in Temp: $(uninstaller_copies)"
installation | cmp -s - "$work/installed" ||
  fail "the installation changed while Korvane ran: $(installation | diff "$work/installed" - || true)"
entry_present || fail "the Apps & features entry is gone while Korvane runs"
[ -f "$shortcut" ] || fail "the Start-menu shortcut is gone while Korvane runs"
running "$program" || fail "Korvane ended during the refused install"
echo "install and uninstall refused while Korvane runs"

# A reading: 15 March 1975 is Pisces, whose car colour is yellow.
activate "$main"
korvane_type_birth_details
xdotool key alt+g
result=$(wait_for "$KORVANE_CAPTION" 521) || fail "the result window did not appear"
korvane_poll 100 shows_pixels "$result" "rgb(255,255,0)" 400 ||
  fail "no yellow swatch on the astrology tab ($pixels pixels)"
shot wine-result-astrology
xdotool key ctrl+Tab
korvane_poll 100 shows_pixels "$result" "rgb(255,120,80)" 400 ||
  fail "no coral swatch on the Feng Shui tab ($pixels pixels)"
shot wine-result-feng-shui
echo "reading shown"

# File, Save through Windows' own save dialog: the PDF kind chosen from the
# kinds' list (the picture comes first), then the name typed over the one it
# suggests. The one-page PDF reads back with the sign, Kua and colour.
xdotool key ctrl+s
dialog=$(wait_for "Save Reading") || fail "File, Save showed no save dialog"
activate "$dialog"
shot wine-save
xdotool key Tab Down shift+Tab ctrl+a
xdotool type --delay 30 "$(winepath -w "$work/reading.pdf")"
xdotool key Return
korvane_poll 100 test -s "$work/reading.pdf" || fail "Save wrote no PDF"
saved=$(pdftotext -enc UTF-8 "$work/reading.pdf" - 2>/dev/null | tr -s '[:space:]' ' ') ||
  fail "the saved file is no PDF that pdftotext reads: it begins '$(head -c 8 "$work/reading.pdf" | tr -cd '[:print:]')'"
for words in Pisces Yellow "Kua Number: 7"; do
  grep -qF "$words" <<<"$saved" || fail "the saved PDF lacks '$words': ${saved:0:300}"
done
activate "$result"
echo "reading saved"

xdotool key alt+b
main=$(wait_for "$KORVANE_CAPTION" 488) || fail "Back did not return to the birth details window"
activate "$main"
# Help, Visit Us Online: through the shell to the browser.
korvane_choose_from_menu h v test -s "$work/opened" || fail "Visit Us Online handed nothing to the browser"
[ "$(cat "$work/opened")" = "https://$KORVANE_MAIN_SITE_HOST/" ] ||
  fail "the browser was given '$(cat "$work/opened")'"
echo "link handed to the browser"

# File, Exit: the exit window, above other windows, then its Exit button.
activate "$main"
korvane_choose_from_menu f x korvane_wait_for_window "^$KORVANE_CAPTION\$" 741 1 >/dev/null ||
  fail "File, Exit showed no exit promotion window"
nag=$(wait_for "$KORVANE_CAPTION" 741) || fail "the exit promotion window did not appear"
activate "$nag"
shot wine-exit-promotion
xprop -id "$nag" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
  fail "the exit promotion window is not kept on top"
xdotool key alt+x
korvane_poll 100 ended "$program" || fail "the program is still running after Exit"
wait "$program" || fail "the program ended with status $?"
echo "program ended"

# The reminder's date, scrambled like its key: reversed, each code raised by 85.
scramble() {
  local text="$1" out="" i code
  for ((i = ${#text} - 1; i >= 0; i--)); do
    printf -v code '%d' "'${text:i:1}"
    printf -v code '\\x%02x' $((code + 85))
    out+="$code"
  done
  printf '%s' "$out"
}
wineserver -w
today=$(date +%Y-%m-%d)
stored=$(grep -A3 '^\[Software\\\\korvane\\\\Settings\]' "$WINEPREFIX/user.reg") ||
  fail "no HKEY_CURRENT_USER\\Software\\korvane\\Settings key"
grep -qF "\"$(scramble Duration)\"=\"$(scramble "$today")\"" <<<"$stored" ||
  fail "the reminder is not stored scrambled: $stored"
if grep -q "Duration\|$today" <<<"$stored"; then fail "the reminder is stored readably"; fi
echo "setting stored scrambled"

# With Korvane ended, installing over the installation works again.
wine "$setup" /S || fail "the installer, with Korvane ended, ended with status $?"
wineserver -w
installation | cmp -s - "$work/installed" || fail "the reinstalled files differ"
echo "reinstalled"

# Silent uninstall; the uninstaller runs on from a copy, and a command prompt
# removes that copy once it has ended: wait for Wine.
wine "$folder/uninstall.exe" /S || fail "the uninstaller ended with status $?"
wineserver -w
[ ! -e "$folder" ] || fail "left behind: $(find "$folder" | tr '\n' ' ')"
[ ! -e "$shortcut" ] || fail "the Start-menu shortcut is still there"
grep -qi 'korvane' "$WINEPREFIX/user.reg" && fail "registry keys left: $(grep -i korvane "$WINEPREFIX/user.reg")"
profile_files >"$work/profile-after"
diff "$work/profile-before" "$work/profile-after" >"$work/profile-diff" ||
  fail "the profile changed: $(cat "$work/profile-diff")"
echo "uninstalled, nothing left behind"
echo "Windows end-to-end run passed"
