#!/usr/bin/env bash
# Sets up, builds and starts Korvane.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-dependencies.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$root/build" --parallel "$(nproc)" --target korvane
exec "$root/build/korvane" "$@"
