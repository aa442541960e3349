#!/usr/bin/env bash
# Runs one cross-built Qt Test program under Wine and prints its log, since
# Qt Test writes nothing to the console there.
#   run_suite.sh WINE PROGRAM.exe [test functions...]
# Without WINEPREFIX in the environment the run gets a Wine prefix of its own,
# removed afterwards.
set -uo pipefail
wine=$1
program=$2
shift 2
work=$(mktemp -d)
own_prefix=
if [ -z "${WINEPREFIX:-}" ]; then
  export WINEPREFIX="$work/prefix"
  own_prefix=yes
fi
cleanup() {
  if [ -n "$own_prefix" ]; then
    wineserver -k 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap "exit 1" INT TERM

log="$work/log.txt"
# Wine's own output goes to a file: a Wine service that this run starts keeps
# whatever it inherits open, and a pipe held open would hang CTest.
"$wine" "$program" -o "Z:$log,txt" "$@" </dev/null >"$work/wine.txt" 2>&1
status=$?
[ "$status" -ne 0 ] && cat "$work/wine.txt"
if [ -f "$log" ]; then
  cat "$log"
else
  echo "run_suite.sh: $program wrote no log (exit status $status)"
  [ "$status" -eq 0 ] && status=1
fi
exit "$status"
