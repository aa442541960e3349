#!/usr/bin/env bash
# Builds Korvane for the browser: the engine compiled to WebAssembly with
# Debian's emscripten (the project's own CMake build, through emcmake) and
# the static site around it.
#   scripts/build-web.sh [build folder] [-DVARIABLE=VALUE ...]
# The build folder is build-web/ by default; the -D options are the desktop
# build's (the hosts, see docs/building.md), kept in the folder's CMake cache.
# The last line of output is the site folder's path.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
. "$root/scripts/lib/common.sh"
build="$(realpath -m "${1:-$root/build-web}")"
shift $(($# > 0 ? 1 : 0))

listed="$(korvane_web_packages)"
declare -a packages
korvane_lines packages "$listed"
korvane_install_packages cmake make "${packages[@]}"
# emscripten's optimizer needs Debian's acorn, also under another Node.js.
export NODE_PATH=/usr/share/nodejs

# Its output goes to standard error, so that the last line here is the site.
{
  emcmake cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=MinSizeRel "$@"
  cmake --build "$build" --parallel "$(nproc)"
} >&2
echo "$build/site"
