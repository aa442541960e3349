#!/usr/bin/env bash
# Korvane in the browser, tested: builds the site, then runs
#   parity         the WebAssembly engine under Node.js against the native one
#   browsers       the page in Chromium and Firefox ESR (puppeteer-core)
#   accessibility  axe-core over every view, in Chromium
#   look           screenshots against tests/web/references/
# Ends with a summary; fails when any part fails.
#   tests/web/run.sh [build folder]     (build-web/ by default)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
. "$root/scripts/lib/common.sh"
build="$(realpath -m "${1:-$root/build-web}")"
here="$root/tests/web"

korvane_install_packages "${KORVANE_WEB_TEST_PACKAGES[@]}" g++
site="$("$root/scripts/build-web.sh" "$build" | tail -n 1)"

# The test tools, pinned in package-lock.json; installed again only when the
# lock file changed.
if [ ! -f "$here/node_modules/.package-lock.json" ] ||
  [ "$here/package-lock.json" -nt "$here/node_modules/.package-lock.json" ]; then
  (cd "$here" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --ignore-scripts --no-audit --no-fund)
fi

native="$build/tests/parity_native"
mkdir -p "$build/tests"
g++ -std=c++20 -O2 -I"$root/engine" -I"$root/web" -I"$build/generated" \
  "$root"/engine/*.cpp "$root"/web/*.cpp "$here/parity_native.cpp" -o "$native"

results=()
status=0
run_part() {
  local name="$1"
  shift
  echo "== $name"
  if "$@"; then
    results+=("PASS  $name")
  else
    results+=("FAIL  $name")
    status=1
  fi
}
cd "$here"
run_part parity node parity.mjs "$site" "$native"
run_part browsers node browsers.mjs "$site" chromium firefox
run_part accessibility node accessibility.mjs "$site"
run_part look node look.mjs "$site" "$build/tests/screenshots"

echo "== Korvane in the browser: summary"
printf '  %s\n' "${results[@]}"
[ "$status" -eq 0 ] || echo "  (screenshots of this run: $build/tests/screenshots)"
exit "$status"
