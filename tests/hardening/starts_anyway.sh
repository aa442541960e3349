#!/usr/bin/env bash
# Whatever state the settings store, the home folder, the runtime folder or
# the browser are in, the program starts and shows its birth details window.
# Also: eight copies started at once leave exactly one running, and a copy
# held by another user does not keep this user's copy from starting.
#   starts_anyway.sh PROGRAM IDENTITY_FILE   (on an X server; it starts its own window manager)
# Only root can give a lock to another user: elsewhere that case is skipped,
# and the script ends with 77 (skipped) if all else passed; with CI=true a
# skipped case fails.
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
skipped=()

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
korvane_poll 50 korvane_window_manager_up || echo "note: no window manager came up"

fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

# Starts a copy of the program, its standard error to $1 (or nowhere); its
# process id is in $launched.
launch() {
  "$program" 2>"${1:-/dev/null}" &
  launched=$!
  started+=("$launched")
}

# The number of visible windows of the program with the given client width.
count_windows() {
  korvane_windows "^$KORVANE_PRODUCT_NAME" "$1" | wc -l
}

has_windows() { [ "$(count_windows "$1")" -ge "$2" ]; }
has_no_windows() { [ "$(count_windows "$1")" -eq 0 ]; }
# Ends the given copies and waits for their birth details windows to go.
end_copies() { end_processes "$@"; korvane_poll 20 has_no_windows 488 || true; }
# Waits up to 15 s for at least $2 windows of client width $1.
wait_for_windows() { korvane_poll 150 has_windows "$1" "$2"; }

# start_case NAME: starts the program with the environment already exported
# and checks that its birth details window appears.
start_case() {
  local name="$1"
  launch "$scratch/$name.err"
  if wait_for_windows 488 1; then
    echo "ok: $name"
  else
    fail "$name: no birth details window"
    cat "$scratch/$name.err"
  fi
  end_copies "$launched"
}

fresh_env() {
  local name="$1"
  mkdir -p "$scratch/$name/home/.config" "$scratch/$name/runtime"
  chmod 700 "$scratch/$name/runtime"
  export HOME="$scratch/$name/home" XDG_CONFIG_HOME="$scratch/$name/home/.config"
  export XDG_RUNTIME_DIR="$scratch/$name/runtime"
}

# A broken settings store, config folder, home or runtime folder.
for name in corrupt-settings settings-is-a-folder config-folder-is-a-file missing-home \
  runtime-folder-unusable; do
  fresh_env "$name"
  case "$name" in
    # Binary garbage, the same on every run.
    corrupt-settings) head -c 4096 "$program" >"$XDG_CONFIG_HOME/korvane.conf" ;;
    settings-is-a-folder) mkdir -p "$XDG_CONFIG_HOME/korvane.conf" ;;
    config-folder-is-a-file) rmdir "$XDG_CONFIG_HOME" && echo "not a folder" >"$XDG_CONFIG_HOME" ;;
    missing-home) export HOME="$scratch/does/not/exist" && unset XDG_CONFIG_HOME ;;
    runtime-folder-unusable)
      export XDG_RUNTIME_DIR="$scratch/runtime-file"
      echo "not a folder" >"$XDG_RUNTIME_DIR"
      ;;
  esac
  start_case "$name"
done

# A running copy's lock that belongs to another user (given away to
# "nobody", uid 65534): this user's copy starts all the same, without the
# guard, and says so on standard error.
fresh_env lock-of-another-user
if [ "$(id -u)" -eq 0 ]; then
  launch
  holder=$launched
  if wait_for_windows 488 1; then
    chown 65534:65534 "$XDG_RUNTIME_DIR/korvane.lock"
    launch "$scratch/lock-of-another-user.err"
    other=$launched
    if wait_for_windows 488 2 && grep -q "starting without it" "$scratch/lock-of-another-user.err"; then
      echo "ok: lock-of-another-user"
    else
      fail "lock-of-another-user: $(count_windows 488) birth details windows; standard error: $(cat "$scratch/lock-of-another-user.err")"
    fi
    end_copies "$holder" "$other"
  else
    fail "lock-of-another-user: the holder did not start"
    end_copies "$holder"
  fi
else
  echo "skip: lock-of-another-user (only root can give the lock to another user)"
  skipped+=(lock-of-another-user)
fi

# A holder killed with SIGKILL never blocks the next start.
fresh_env killed-holder
launch
wait_for_windows 488 1 || fail "killed-holder: first copy did not start"
end_copies "$launched"
start_case killed-holder

# No browser at all: links and the refer-a-friend request fail silently.
fresh_env no-browser
mkdir -p "$scratch/empty-path"
PATH="$scratch/empty-path" BROWSER= launch "$scratch/no-browser.err"
program_pid=$launched
if wait_for_windows 488 1; then
  main="$(korvane_windows "^$KORVANE_CAPTION\$" | head -1)"
  xdotool windowactivate --sync "$main" 2>/dev/null
  # Help, Visit Us Online, then Donate on the menu bar: no browser, no word.
  if korvane_choose_from_menu h v korvane_no_popups; then
    xdotool key alt+d
    # Donate leaves nothing to wait for; a round trip to the program (its
    # Help menu opening and closing) shows it has handled the key.
    korvane_choose_from_menu h Escape korvane_no_popups || true
  fi
  kill -0 "$program_pid" 2>/dev/null && [ "$(count_windows 488)" -eq 1 ] &&
    echo "ok: no-browser" || fail "no-browser: the program did not carry on"
else
  fail "no-browser: no window"
fi
end_copies "$program_pid"

# Eight copies at the same instant: one runs, seven are refused.
fresh_env race
pids=()
for _ in 1 2 3 4 5 6 7 8; do
  launch
  pids+=("$launched")
done
# Every copy has decided once one birth details window and seven refusals
# ("Application is already running", titled with the program's name) show.
count_refusals() { korvane_windows "^$KORVANE_PRODUCT_NAME\$" | wc -l; }
all_decided() { [ "$(count_windows 488)" -ge 1 ] && [ "$(count_refusals)" -ge 7 ]; }
korvane_poll 300 all_decided || true
mains="$(count_windows 488)"
refusals="$(count_refusals)"
if [ "$mains" -eq 1 ] && [ "$refusals" -eq 7 ]; then
  echo "ok: race (1 running, 7 refused)"
else
  fail "race: $mains running, $refusals refused"
fi
end_processes "${pids[@]}"

# The settings file is written whole: no temporary files are left next to it.
fresh_env clean-write
launch
wait_for_windows 488 1
end_processes "$launched"
leftovers="$(ls -A "$XDG_CONFIG_HOME" | grep -v '^korvane.conf$' || true)"
[ -s "$XDG_CONFIG_HOME/korvane.conf" ] && [ -z "$leftovers" ] && echo "ok: clean-write" ||
  fail "clean-write: settings '$(ls -A "$XDG_CONFIG_HOME")'"

if [ "$failures" -eq 0 ] && [ ${#skipped[@]} -gt 0 ]; then
  if [ "${CI:-}" = true ]; then
    echo "FAILED: skipped in CI: ${skipped[*]}"
    exit 1
  fi
  echo "all start-up cases passed but ${skipped[*]} (skipped)"
  exit 77
fi
[ "$failures" -eq 0 ] && echo "all start-up cases passed"
exit "$failures"
