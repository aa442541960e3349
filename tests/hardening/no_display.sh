#!/usr/bin/env bash
# Started with no display at all, the program says so in one line and exits
# with status 1 instead of aborting inside the toolkit.
set -uo pipefail
program="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$work/home" \
  XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime" "$program" 2>"$work/err"
status=$?
cat "$work/err"
[ "$status" -eq 1 ] || { echo "FAILED: exit status $status, expected 1"; exit 1; }
[ "$(wc -l < "$work/err")" -eq 1 ] || { echo "FAILED: expected exactly one line"; exit 1; }
grep -q "graphical session" "$work/err" || { echo "FAILED: the line does not say what is missing"; exit 1; }
echo "no-display start handled"
