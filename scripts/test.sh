#!/usr/bin/env bash
# Sets up, builds and runs every test headless; fails when any test fails.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-dependencies.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVANE_BUILD_TESTS=ON
cmake --build "$root/build" --parallel "$(nproc)"
cd "$root/build"
ctest --output-on-failure --timeout 300
