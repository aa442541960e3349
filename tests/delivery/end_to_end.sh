#!/usr/bin/env bash
# Drives the installed program the way a person would, by keyboard, on a
# private X server with a window manager, a fake browser and an empty home.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/../../scripts/lib/common.sh"
build="$1"
korvane_load_identity "$build"
work="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
mkdir -p "$work/home" "$work/bin" "$work/runtime"
chmod 700 "$work/runtime"
cat > "$work/bin/xdg-open" <<'BROWSER'
#!/bin/sh
printf '%s\n' "$1" >> "$KORVANE_E2E_OPENED"
BROWSER
chmod +x "$work/bin/xdg-open"

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
export PATH="$work/bin:$PATH" BROWSER="$work/bin/xdg-open" KORVANE_E2E_OPENED="$work/opened"
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
unset WAYLAND_DISPLAY XDG_CURRENT_DESKTOP
touch "$work/opened"

fail() { echo "FAILED: $*"; exit 1; }

openbox >/dev/null 2>&1 &
korvane_poll 50 korvane_window_manager_up || fail "no window manager came up"

# Waits until a visible program window has the given client width.
wait_for_width() {
  korvane_wait_for_window "^$KORVANE_CAPTION\$" "$1"
}

# Activates the window and waits for it to have the focus.
activate() { korvane_activate "$1" || fail "window $1 did not get the focus"; }

# Succeeds when the fake browser has been handed at least $1 addresses.
browser_was_handed() { [ "$(wc -l <"$work/opened")" -ge "$1" ]; }

"$work/prefix/bin/korvane" &
program=$!

main=$(wait_for_width 488) || fail "the birth details window did not appear"
activate "$main"

# Name, then day, month and year from their lists, then the reading.
korvane_type_birth_details
xdotool key alt+g
result=$(wait_for_width 521) || fail "the result window did not appear"
echo "reading shown"

# The keys go to the result window in order: no window opens in between.
xdotool key ctrl+Tab ctrl+Page_Up alt+b
main=$(wait_for_width 488) || fail "Back did not return to the birth details window"
activate "$main"
echo "went back"

# Help, Visit Us Online, each key once its menu is open.
korvane_choose_from_menu h v browser_was_handed 1 ||
  fail "Help, Visit Us Online handed nothing to the browser"

# File, Exit: the exit promotion window, whose Exit button has the focus.
korvane_choose_from_menu f x korvane_wait_for_window "^$KORVANE_CAPTION\$" 741 1 >/dev/null ||
  fail "File, Exit showed no exit promotion window"
nag=$(wait_for_width 741) || fail "the exit promotion window did not appear"
activate "$nag"

# Refer a friend, by keyboard: from Exit, Tab reaches the link button, the
# name box, the send button, the e-mail box and the friend's boxes.
for step in "Tab Tab:Ann Lee" "Tab Tab:ann@example.org" "Tab:bo@example.org" "Tab:Bo & Co"; do
  xdotool key ${step%%:*}
  xdotool type --delay 20 "${step#*:}"
done
xdotool key alt+n
korvane_poll 50 browser_was_handed 2 || fail "Refer A Friend Now handed nothing to the browser"
# Exit by its access key.
xdotool key alt+x

ended() { ! kill -0 "$program" 2>/dev/null; }
korvane_poll 50 ended || fail "the program is still running after Exit"
wait "$program" || fail "the program ended with an error status"
echo "program ended"
main_site="https://$KORVANE_MAIN_SITE_HOST/"
expected="$main_site
${main_site}tell-a-friend.html?taf1=Ann%20Lee&taf2=ann%40example.org&taf3=Your%20Message%0D%0A&taf4=Bo%20%26%20Co&taf5=bo%40example.org&taf6=https://$KORVANE_PRODUCT_SITE_HOST/"
opened="$(cat "$work/opened")"
[ "$opened" = "$expected" ] || fail "browser was given: '$opened'"

settings="$work/home/.config/korvane.conf"
[ -f "$settings" ] || fail "no settings file at $settings"
grep -q '^\[Settings\]' "$settings" || fail "no Settings section"
if grep -q 'Duration' "$settings" || grep -q "$(date +%Y-%m-%d)" "$settings"; then
  fail "the reminder date is stored readably"
fi
echo "end-to-end run passed"
