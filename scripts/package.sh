#!/usr/bin/env bash
# Builds Korvane as released and writes its Debian package:
#   scripts/package.sh [build folder]     (build-package/ by default)
# The last line of output is the package's path. Built twice from one
# commit, the package is the same, byte for byte.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
. "$root/scripts/lib/common.sh"
. "$root/scripts/lib/reproducible.sh"
korvane_reproducible_environment "$root"
build="$(realpath -m "${1:-$root/build-package}")"

korvane_install_packages "${KORVANE_BUILD_PACKAGES[@]}" "${KORVANE_PACKAGING_PACKAGES[@]}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DKORVANE_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)"
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB)
rm -rf "$build/_CPack_Packages"
debs=("$build"/*.deb)
[ -f "${debs[0]}" ] || { echo "cpack wrote no package" >&2; exit 1; }
echo "${debs[0]}"
