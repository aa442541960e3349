#!/usr/bin/env bash
# Instructions Korvane executes from the start of the process until its
# first window is mapped, against a bare Qt main window, counted by
# callgrind. Unlike times, the counts do not move with the machine's load.
#
#   bench/startup_instructions.sh KORVANE BASELINE [LIMIT]
#
# Needs valgrind and an X server in DISPLAY. Korvane is measured on its
# second start, with the settings its first start stored. Prints
#   korvane_instructions=N baseline_instructions=N ratio=R
# and, when LIMIT is given, fails if the ratio is above it.
set -euo pipefail
shopt -s inherit_errexit

program="$1"
baseline="$2"
limit="${3:-}"
command -v valgrind >/dev/null || { echo "valgrind is needed (apt-get install valgrind)" >&2; exit 2; }
[ -n "${DISPLAY:-}" ] || { echo "no X server in DISPLAY" >&2; exit 2; }

work="$(mktemp -d)"
running=""
cleanup() {
  if [ -n "$running" ]; then
    kill -KILL "$running" 2>/dev/null || true
    wait "$running" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# start_clean DIR COMMAND...: starts the command in the background with a
# clean environment and DIR's own home, settings and runtime folders.
start_clean() {
  local dir="$1"
  shift
  mkdir -p "$dir/home" "$dir/config" "$dir/cache" "$dir/runtime"
  chmod 700 "$dir/runtime"
  env -i PATH="/usr/local/bin:/usr/bin:/bin" DISPLAY="$DISPLAY" ${XAUTHORITY:+XAUTHORITY="$XAUTHORITY"} \
    LANG=C.UTF-8 QT_QPA_PLATFORM=xcb HOME="$dir/home" XDG_CONFIG_HOME="$dir/config" \
    XDG_CACHE_HOME="$dir/cache" XDG_DATA_HOME="$dir/home" XDG_RUNTIME_DIR="$dir/runtime" \
    "$@" >"$dir/output" 2>&1 &
  running=$!
}

stop_running() {
  kill -KILL "$running" 2>/dev/null || true
  wait "$running" 2>/dev/null || true
  running=""
}

# wait_for SECONDS COMMAND...: polls until the command succeeds.
wait_for() {
  local tenths=$(($1 * 10))
  shift
  for ((i = 0; i < tenths; i++)); do
    "$@" && return 0
    kill -0 "$running" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# The first start stores the update reminder's date.
start_clean "$work/first" "$program"
wait_for 30 test -s "$work/first/config/korvane.conf" || {
  echo "the first start of $program stored no settings" >&2
  cat "$work/first/output" >&2
  exit 1
}
stop_running

# count NAME PROGRAM [SETTINGS]: instructions until the window is mapped.
count() {
  local dir="$work/$1" dump
  mkdir -p "$dir/config"
  [ -n "${3:-}" ] && cp "$3" "$dir/config/korvane.conf"
  dump="$dir/callgrind.out"
  start_clean "$dir" valgrind --tool=callgrind --callgrind-out-file="$dump" --dump-instr=no \
    "--dump-before=QXcbWindow::show()" "$2"
  # callgrind writes everything up to the mapping as $dump.1; its last line
  # is the total.
  wait_for 240 grep -q '^totals:' "$dump.1" 2>/dev/null || {
    echo "callgrind wrote no count for $2" >&2
    cat "$dir/output" >&2
    # This runs in a command substitution's subshell, whose exit does not
    # run the script's trap: end the count's process here.
    stop_running
    exit 1
  }
  stop_running
  sed -n 's/^totals: *//p' "$dump.1"
}

korvane="$(count korvane "$program" "$work/first/config/korvane.conf")"
bare="$(count baseline "$baseline")"
ratio="$(awk -v k="$korvane" -v b="$bare" 'BEGIN { printf "%.3f", k / b }')"
echo "korvane_instructions=$korvane baseline_instructions=$bare ratio=$ratio"
if [ -n "$limit" ] && awk -v r="$ratio" -v l="$limit" 'BEGIN { exit !(r > l) }'; then
  echo "Korvane's start-up takes $ratio times the bare window's instructions, more than $limit" >&2
  exit 1
fi
