#!/usr/bin/env bash
# Korvane in the browser, tested: builds the site, then runs
#   parity         the page's engine under Node.js against the desktop's
#   calendar       the engine's Li Chun moments and sixty-year cycle against
#                  two calendar libraries
#   browsers       the page in Chromium and Firefox ESR (puppeteer-core)
#   accessibility  axe-core over every view, in Chromium
#   look           layout and colours of every view against tests/web/references/
# Ends with a summary; fails when any part fails.
#   tests/web/run.sh [build folder] [-DVARIABLE=VALUE ...]
# The build folder is build-web/ by default; the -D options (the hosts, see
# docs/building.md) go to the web build and to the desktop engine it is compared with.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
. "$root/scripts/lib/common.sh"
build="$(realpath -m "${1:-$root/build-web}")"
shift $(($# > 0 ? 1 : 0))
here="$root/tests/web"

site="$(korvane_prepare_web_tests "$build" "$@")"
# The desktop's engine library and identity, built natively with the same options.
{
  cmake -S "$root" -B "$build/native" -DKORVANE_DESKTOP=OFF "$@"
  cmake --build "$build/native" --target korvane_web_parity korvane_calendar_facts --parallel "$(nproc)"
} >/dev/null

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
run_part parity node parity.mjs "$site" "$build/native/tests/web/korvane_web_parity"
run_part calendar node calendar.mjs "$build/native/tests/web/korvane_calendar_facts"
mkdir -p "$build/tests/screenshots"
run_part browsers env KORVANE_WEB_OUT="$build/tests/screenshots" node browsers.mjs "$site" chromium firefox
run_part accessibility node accessibility.mjs "$site"
run_part look node look.mjs "$site" "$build/tests/screenshots"

echo "== Korvane in the browser: summary"
printf '  %s\n' "${results[@]}"
echo "  (screenshots, the saved pictures and the printed pages of this run, to look at: $build/tests/screenshots)"
exit "$status"
