#!/usr/bin/env bash
# Started with no display at all, the program says so in one line and exits
# with status 1 instead of aborting inside the toolkit.
set -uo pipefail
program="$1"
err="$(mktemp)"
trap 'rm -f "$err"' EXIT
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$(mktemp -d)" "$program" 2>"$err"
status=$?
cat "$err"
[ "$status" -eq 1 ] || { echo "FAILED: exit status $status, expected 1"; exit 1; }
[ "$(wc -l < "$err")" -eq 1 ] || { echo "FAILED: expected exactly one line"; exit 1; }
grep -q "graphical session" "$err" || { echo "FAILED: the line does not say what is missing"; exit 1; }
echo "no-display start handled"
