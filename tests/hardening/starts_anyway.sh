#!/usr/bin/env bash
# Whatever state the settings store, the home folder, the runtime folder or
# the browser are in, the program starts and shows its birth details window.
# Also: eight copies started at once leave exactly one running.
#   starts_anyway.sh PROGRAM IDENTITY_FILE   (on an X server; it starts its own window manager)
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/../../scripts/lib/common.sh"
program="$1"
korvane_load_identity "$2" || exit 1
scratch="$(mktemp -d)"
# Every process this test starts, so that the end stops exactly those.
started=()
trap 'korvane_kill "${started[@]}"; rm -rf "$scratch"' EXIT
# With its runtime folder unusable, the toolkit falls back to one under
# the temporary folder: that must be this test's own.
mkdir -p "$scratch/tmp"
export TMPDIR="$scratch/tmp"
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
unset WAYLAND_DISPLAY
failures=0

# Ends processes this test started and forgets them, so that the end never
# signals an id the system may have handed to someone else since.
end_processes() {
  local pid kept=()
  korvane_kill "$@"
  for pid in "${started[@]}"; do
    [[ " $* " == *" $pid "* ]] || kept+=("$pid")
  done
  started=("${kept[@]}")
}

openbox >/dev/null 2>&1 &
started+=($!)
sleep 0.5

fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

# The number of visible windows of the program with the given client width.
count_windows() {
  korvane_windows "^$KORVANE_PRODUCT_NAME" "$1" | wc -l
}

wait_for_windows() {
  local width="$1" wanted="$2"
  for _ in $(seq 1 150); do
    [ "$(count_windows "$width")" -ge "$wanted" ] && return 0
    sleep 0.1
  done
  return 1
}

# start_case NAME: starts the program with the environment already exported
# and checks that its birth details window appears.
start_case() {
  local name="$1"
  "$program" 2>"$scratch/$name.err" &
  local pid=$!
  started+=("$pid")
  if wait_for_windows 488 1; then
    echo "ok: $name"
  else
    fail "$name: no birth details window"
    cat "$scratch/$name.err"
  fi
  end_processes "$pid"
  for _ in $(seq 1 20); do [ "$(count_windows 488)" -eq 0 ] && break; sleep 0.05; done
}

fresh_env() {
  local name="$1"
  mkdir -p "$scratch/$name/home/.config" "$scratch/$name/runtime"
  chmod 700 "$scratch/$name/runtime"
  export HOME="$scratch/$name/home" XDG_CONFIG_HOME="$scratch/$name/home/.config"
  export XDG_RUNTIME_DIR="$scratch/$name/runtime"
}

fresh_env corrupt-settings
# Binary garbage, the same on every run.
head -c 4096 "$program" > "$XDG_CONFIG_HOME/korvane.conf"
start_case corrupt-settings

fresh_env settings-is-a-folder
mkdir -p "$XDG_CONFIG_HOME/korvane.conf"
start_case settings-is-a-folder

fresh_env config-folder-is-a-file
rmdir "$XDG_CONFIG_HOME" && echo "not a folder" > "$XDG_CONFIG_HOME"
start_case config-folder-is-a-file

fresh_env missing-home
export HOME="$scratch/does/not/exist"
unset XDG_CONFIG_HOME
start_case missing-home

fresh_env runtime-folder-unusable
export XDG_RUNTIME_DIR="$scratch/runtime-file"
echo "not a folder" > "$XDG_RUNTIME_DIR"
start_case runtime-folder-unusable

fresh_env lock-of-another-user
touch "$XDG_RUNTIME_DIR/korvane.lock"
# A lock naming a live process, but owned by somebody else.
printf '%s\nkorvane\n%s\n' "$$" "$(hostname)" > "$XDG_RUNTIME_DIR/korvane.lock"
chown 65534:65534 "$XDG_RUNTIME_DIR/korvane.lock" 2>/dev/null || echo "note: cannot chown here"
start_case lock-of-another-user
grep -q "starting without it" "$scratch/lock-of-another-user.err" ||
  [ "$(stat -c %u "$XDG_RUNTIME_DIR/korvane.lock")" = "$(id -u)" ] ||
  fail "lock-of-another-user: no word on standard error"

# A holder killed with SIGKILL never blocks the next start.
fresh_env killed-holder
"$program" 2>/dev/null &
holder=$!
started+=("$holder")
wait_for_windows 488 1 || fail "killed-holder: first copy did not start"
end_processes "$holder"
for _ in $(seq 1 20); do [ "$(count_windows 488)" -eq 0 ] && break; sleep 0.05; done
start_case killed-holder

# No browser at all: links and the refer-a-friend request fail silently.
fresh_env no-browser
(
  mkdir -p "$scratch/empty-path"
  export PATH="$scratch/empty-path" BROWSER=
  "$program" 2>"$scratch/no-browser.err" &
  echo $! > "$scratch/no-browser.pid"
)
program_pid="$(cat "$scratch/no-browser.pid")"
started+=("$program_pid")
if wait_for_windows 488 1; then
  main="$(korvane_windows "^$KORVANE_CAPTION\$" | head -1)"
  xdotool windowactivate --sync "$main" 2>/dev/null
  xdotool key alt+h && sleep 0.3 && xdotool key v && sleep 0.5
  xdotool key alt+d && sleep 0.5
  kill -0 "$program_pid" 2>/dev/null && [ "$(count_windows 488)" -eq 1 ] &&
    echo "ok: no-browser" || fail "no-browser: the program did not carry on"
else
  fail "no-browser: no window"
fi
end_processes "$program_pid"
for _ in $(seq 1 20); do [ "$(count_windows 488)" -eq 0 ] && break; sleep 0.05; done

# Eight copies at the same instant: one runs, seven are refused.
fresh_env race
pids=()
for _ in 1 2 3 4 5 6 7 8; do
  "$program" 2>/dev/null &
  pids+=($!)
  started+=($!)
done
wait_for_windows 488 1
sleep 2
mains="$(count_windows 488)"
refusals=0
refusals="$(korvane_windows "^$KORVANE_PRODUCT_NAME\$" | wc -l)"
if [ "$mains" -eq 1 ] && [ "$refusals" -eq 7 ]; then
  echo "ok: race (1 running, 7 refused)"
else
  fail "race: $mains running, $refusals refused"
fi
end_processes "${pids[@]}"

# The settings file is written whole: no temporary files are left next to it.
fresh_env clean-write
"$program" 2>/dev/null &
writer=$!
started+=("$writer")
wait_for_windows 488 1
end_processes "$writer"
leftovers="$(ls -A "$XDG_CONFIG_HOME" | grep -v '^korvane.conf$' || true)"
[ -s "$XDG_CONFIG_HOME/korvane.conf" ] && [ -z "$leftovers" ] && echo "ok: clean-write" ||
  fail "clean-write: settings '$(ls -A "$XDG_CONFIG_HOME")'"

[ "$failures" -eq 0 ] && echo "all start-up cases passed"
exit "$failures"
