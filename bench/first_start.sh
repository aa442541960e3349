#!/usr/bin/env bash
# Measures a new user's first scripts/run.sh: on a freshly bootstrapped
# minimal Debian 12, from a copy of this source tree to the birth details
# window on screen, every package downloaded afresh as a new user's would
# be. Prints the time, the packages installed, what apt downloaded and how
# much the root grew (tests/delivery/run_script.sh, which the test command
# runs with the kept downloads).
#   bench/first_start.sh [--suite SUITE]   (as root; KORVANE_FIRST_START_SHOT=FILE.png keeps a screenshot)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
exec "$here/../tests/delivery/run_script.sh" --fresh-downloads "$@"
