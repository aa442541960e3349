#!/usr/bin/env bash
# Instructions one reading executes, from the click on "Get My Lucky Car
# Color" until the result window's first frame is done, counted by
# callgrind over a few readings of bench/reading_timer. Unlike times, the
# count does not move with the machine's load.
#
#   bench/reading_instructions.sh READING_TIMER [READINGS]
#
# Needs valgrind and an X server in DISPLAY. Prints
#   reading_instructions=N readings=N warm_up=N
set -euo pipefail
shopt -s inherit_errexit

timer="$1"
readings="${2:-5}"
warm_up=2
command -v valgrind >/dev/null || { echo "valgrind is needed (apt-get install valgrind)" >&2; exit 2; }
[ -n "${DISPLAY:-}" ] || { echo "no X server in DISPLAY" >&2; exit 2; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/config" "$work/cache" "$work/runtime"
chmod 700 "$work/runtime"

# The timer switches counting on for the timed readings only.
env -i PATH="/usr/local/bin:/usr/bin:/bin" DISPLAY="$DISPLAY" ${XAUTHORITY:+XAUTHORITY="$XAUTHORITY"} \
  LANG=C.UTF-8 QT_QPA_PLATFORM=xcb HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
  XDG_CACHE_HOME="$work/cache" XDG_DATA_HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
  valgrind --tool=callgrind --instr-atstart=no --callgrind-out-file="$work/callgrind.out" \
  "$timer" "$readings" "$warm_up" >"$work/output" 2>&1 || {
  echo "the reading timer failed under callgrind" >&2
  cat "$work/output" >&2
  exit 1
}
total="$(sed -n 's/^totals: *//p' "$work/callgrind.out")"
[ -n "$total" ] && [ "$total" -gt 0 ] || { echo "callgrind counted nothing" >&2; exit 1; }
echo "reading_instructions=$((total / readings)) readings=$readings warm_up=$warm_up"
