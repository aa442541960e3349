#!/usr/bin/env bash
# The Debian 13 part of the test command, run from Debian 12. In a fresh
# minimal Debian 13 root (bootstrapped once and cached like the Debian 12
# root of the package test), a copy of this source tree:
#   - installs what it needs with scripts/install-dependencies.sh,
#   - builds the release with its tests (warnings are errors) and runs them:
#     among them the Debian 13 package, Debian 13's lintian on it, and its
#     install on another fresh Debian 13 root, where its window must come up,
#   - brings the window up with scripts/run.sh (tests/debian13/inside.sh).
# With --windows, the Windows part (tests/windows/run.sh) then runs in the
# same root. Last, the Debian 12 package from the folder given is installed
# on a fresh Debian 13 root, where its window must come up too.
#   tests/debian13/run.sh [--windows] DEBIAN12_PACKAGE_FOLDER
# Needs root (chroot, private namespaces): without it, it says so and exits 77
# (left out), except in CI (CI=true), where it fails.
set -euo pipefail
repo="$(cd "$(dirname "$0")/../.." && pwd)"
. "$repo/scripts/lib/common.sh"
. "$repo/scripts/lib/debian_root.sh"
suite=trixie
windows=""
[ "${1:-}" = --windows ] && windows=yes && shift
package12="$(realpath "$1")"

if [ "$(korvane_debian_codename)" = "$suite" ]; then
  echo "Debian 13 part left out: this machine runs Debian 13, where the tests above ran"
  exit 0
fi
status=0
korvane_roots_usable "the Debian 13 part" || status=$?
[ "$status" -eq 77 ] && exit 77
[ "$status" -eq 0 ] || exit 1
korvane_install_packages debootstrap xvfb xauth x11-utils xdotool
korvane_load_identity "$repo/build"

work="$(mktemp -d)"
root="$work/root"
step_pid=""
cleanup() {
  if [ -n "$step_pid" ]; then
    kill -TERM "$step_pid" 2>/dev/null || true
    wait "$step_pid" 2>/dev/null || true
  fi
  korvane_root_stop
  korvane_stop_xvfb
  korvane_root_remove "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM
# Runs a step in the background and waits for it, so that an interruption
# reaches the cleanup at once rather than once the step has ended.
run_step() {
  local status=0
  "$@" &
  step_pid=$!
  wait "$step_pid" || status=$?
  step_pid=""
  return "$status"
}
started=$SECONDS
step() { echo "== Debian 13, $((SECONDS - started)) s: $*"; }

step "the minimal root"
korvane_root_unpack "$suite" "$root"
korvane_copy_source "$repo" "$root/src"
# The nested package test finds the cached Debian 13 root and downloads here.
korvane_root_start "$root" --bind "$KORVANE_ROOT_CACHE:/root/.cache/korvane" \
  --apt-cache "$(korvane_debian_archives "$suite")" CI="${CI:-}" DEBIAN_FRONTEND=noninteractive \
  -- bash /src/tests/debian13/inside.sh
korvane_root_wait || status=1

if [ -n "$windows" ]; then
  step "the Windows part, in the same root"
  run_step "$repo/tests/windows/run.sh" --root "$root" || status=1
fi

step "the Debian 12 package on a fresh Debian 13 root"
mkdir -p "$work/x"
korvane_start_xvfb "$work/x"
run_step bash "$repo/tests/delivery/fresh_root.sh" "$package12" "$KORVANE_CAPTION" "$suite" || status=1
korvane_stop_xvfb

step "done"
[ "$status" -eq 0 ] || echo "FAILED: the Debian 13 part"
exit "$status"
