#!/usr/bin/env bash
# Sets up, builds and starts Korvane: installs only what building and
# running need, and builds the program without its tests in its own folder
# (build-run/), apart from the test build.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
. "$root/scripts/lib/common.sh"
korvane_install_packages "${KORVANE_BUILD_PACKAGES[@]}"
cmake -S "$root" -B "$root/build-run" -DCMAKE_BUILD_TYPE=Release -DKORVANE_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build-run" --parallel "$(nproc)" --target korvane
exec "$root/build-run/korvane" "$@"
