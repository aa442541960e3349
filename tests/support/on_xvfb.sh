#!/usr/bin/env bash
# Runs a command on an X server of its own (korvane_start_xvfb: a display
# number the server finds free itself, wherever else servers run), which
# ends, by its id, when the command does. Exits with the command's status.
#   on_xvfb.sh COMMAND [ARGUMENT...]
set -euo pipefail
. "$(cd "$(dirname "$0")/../.." && pwd)/scripts/lib/common.sh"
notes="$(mktemp -d)"
trap 'korvane_stop_xvfb; rm -rf "$notes"' EXIT
trap 'exit 1' INT TERM
korvane_start_xvfb "$notes"
status=0
"$@" || status=$?
exit "$status"
