#!/usr/bin/env bash
# The Debian 13 part's work inside its fresh Debian 13 root, in the copy of
# the source tree at /src (tests/debian13/run.sh runs it there): installs
# what scripts/install-dependencies.sh installs, builds the release with its
# tests (warnings are errors), runs them, and brings the window up with
# scripts/run.sh.
#   inside.sh
set -euo pipefail
cd /src
. scripts/lib/common.sh
step() { echo "== Debian 13, inside, $SECONDS s: $*"; }
installed() { dpkg-query -W -f='${Installed-Size}\n' | awk '{ s += $1 } END { print int(s / 1024) }'; }

step "installing the packages"
before="$(installed)"
scripts/install-dependencies.sh >/tmp/install.log 2>&1 || { tail -n 30 /tmp/install.log; exit 1; }
echo "$(du -sm /var/cache/apt/archives | cut -f1) MB of packages at hand, $(($(installed) - before)) MB installed"

step "building the release with its tests (Qt $(dpkg-query -W -f='${Version}' qt6-base-dev))"
cmake --preset default >/tmp/configure.log 2>&1 || { cat /tmp/configure.log; exit 1; }
cmake --build --preset default --parallel "$(nproc)" >/tmp/build.log 2>&1 ||
  { grep -B2 -A12 -E "(warning|error):" /tmp/build.log | head -n 80 || tail -n 60 /tmp/build.log; exit 1; }
korvane_load_identity build

step "the release tests"
status=0
ctest --preset default --timeout 300 || status=1

step "scripts/run.sh brings the window up"
notes="$(mktemp -d)"
korvane_start_xvfb "$notes"
if korvane_start_run_script /src "$notes/run.log" &&
  window="$(korvane_wait_for_window "^$KORVANE_CAPTION\$" "" 600)"; then
  echo "scripts/run.sh shows \"$KORVANE_CAPTION\" (window $window)"
else
  tail -n 20 "$notes/run.log"
  echo "FAILED: scripts/run.sh showed no window on Debian 13 within a minute of its build"
  status=1
fi
korvane_kill "${KORVANE_RUN_PID:-}"
korvane_stop_xvfb
rm -rf "$notes"
step "done"
exit "$status"
