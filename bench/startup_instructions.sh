#!/usr/bin/env bash
# Instructions Korvane executes from the start of the process until its
# first window is mapped, and until its first frame is handed to the X
# server, against a bare Qt main window, counted by callgrind. Unlike times,
# the counts do not move with the machine's load.
#
#   bench/startup_instructions.sh KORVANE BASELINE [FRAME_LIMIT [MAPPING_LIMIT]]
#
# Needs valgrind and an X server in DISPLAY. Korvane is measured on its
# second start, with the settings its first start stored. Prints
#   korvane_instructions=N baseline_instructions=N ratio=R
#   korvane_frame_instructions=N baseline_frame_instructions=N frame_ratio=R
# (the first three to the mapping, the others to the first frame) and fails
# when a ratio is above the limit given for it.
set -euo pipefail
shopt -s inherit_errexit

program="$1"
baseline="$2"
frame_limit="${3:-}"
mapping_limit="${4:-}"
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

# count NAME PROGRAM [SETTINGS]: "MAPPING FRAME", the instructions until the
# window is mapped (QXcbWindow::show) and until the first frame goes to the
# X server: the first xcb_shm_put_image, or xcb_copy_area without shared
# memory (Qt's own flush is not an exported symbol).
count() {
  local dir="$work/$1" dump
  mkdir -p "$dir/config"
  [ -n "${3:-}" ] && cp "$3" "$dir/config/korvane.conf"
  dump="$dir/callgrind.out"
  start_clean "$dir" valgrind --tool=callgrind --callgrind-out-file="$dump" --dump-instr=no \
    "--dump-before=QXcbWindow::show()" --dump-before=xcb_shm_put_image \
    --dump-before=xcb_copy_area "$2"
  # callgrind writes one part per dump point, $dump.1, $dump.2 and so on,
  # each ending with its total; the first frame's part is the first whose
  # trigger is not the mapping.
  wait_for 240 has_first_frame "$dump" || {
    echo "callgrind wrote no count for $2" >&2
    cat "$dir/output" >&2
    # This runs in a command substitution's subshell, whose exit does not
    # run the script's trap: end the count's process here.
    stop_running
    exit 1
  }
  stop_running
  local part mapping="" frame=0 last
  last="$(first_frame_part "$dump")"
  for ((part = 1; part <= last; part++)); do
    frame=$((frame + $(sed -n 's/^totals: *//p' "$dump.$part")))
    grep -q '^desc: Trigger: .*QXcbWindow::show' "$dump.$part" && mapping=$frame
  done
  [ -n "$mapping" ] || { echo "$2 drew a frame before its window was mapped" >&2; exit 1; }
  echo "$mapping $frame"
}

# first_frame_part DUMP: the number of the first complete part that ends at
# a frame; fails while there is none.
first_frame_part() {
  local part
  for ((part = 1; ; part++)); do
    grep -q '^totals:' "$1.$part" 2>/dev/null || return 1
    if ! grep -q '^desc: Trigger: .*QXcbWindow::show' "$1.$part"; then
      echo "$part"
      return 0
    fi
  done
}
has_first_frame() { first_frame_part "$1" >/dev/null; }

counted="$(count korvane "$program" "$work/first/config/korvane.conf")"
read -r korvane korvane_frame <<<"$counted"
counted="$(count baseline "$baseline")"
read -r bare bare_frame <<<"$counted"
ratio="$(awk -v k="$korvane" -v b="$bare" 'BEGIN { printf "%.3f", k / b }')"
frame_ratio="$(awk -v k="$korvane_frame" -v b="$bare_frame" 'BEGIN { printf "%.3f", k / b }')"
echo "korvane_instructions=$korvane baseline_instructions=$bare ratio=$ratio"
echo "korvane_frame_instructions=$korvane_frame baseline_frame_instructions=$bare_frame" \
  "frame_ratio=$frame_ratio"
above() { [ -n "$2" ] && awk -v r="$1" -v l="$2" 'BEGIN { exit !(r > l) }'; }
if above "$frame_ratio" "$frame_limit"; then
  echo "Korvane's first frame takes $frame_ratio times the bare window's instructions," \
    "more than $frame_limit" >&2
  exit 1
fi
if above "$ratio" "$mapping_limit"; then
  echo "Korvane's mapping takes $ratio times the bare window's instructions," \
    "more than $mapping_limit" >&2
  exit 1
fi
