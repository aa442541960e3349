#!/usr/bin/env bash
# Korvane in the browser, measured: what a first visit transfers (compressed),
# the time from the click to the reading on screen in headless Chromium, and
# Lighthouse's four scores. Prints a table and writes it to bench/web-results.txt.
#   bench/web.sh [build folder]     (build-web/ by default)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
. "$root/scripts/lib/common.sh"
build="$(realpath -m "${1:-$root/build-web}")"
site="$(korvane_prepare_web_tests "$build")"

{
  echo "Korvane in the browser, measured $(date -u +%Y-%m-%d) on $(nproc) cores"
  echo
  echo "A first visit in each language, as Chromium counts it on the wire: every response to the"
  echo "page and to its service worker (headers, and bodies at gzip -9), until the worker keeps the"
  echo "language of the visit; each file's status and bytes for the first"
  node "$root/bench/web/first_visit.mjs" "$site"
  echo
  node "$root/bench/web/reading_time.mjs" "$site"
  echo
  node "$root/bench/web/lighthouse.mjs" "$site"
} | tee "$root/bench/web-results.txt"
