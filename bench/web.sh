#!/usr/bin/env bash
# Korvane in the browser, measured: what the first visit loads (compressed),
# the time from the click to the reading on screen in headless Chromium, and
# Lighthouse's four scores. Prints a table and writes it to bench/web-results.txt.
#   bench/web.sh [build folder]     (build-web/ by default)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
. "$root/scripts/lib/common.sh"
build="$(realpath -m "${1:-$root/build-web}")"
korvane_install_packages gzip
site="$(korvane_prepare_web_tests "$build")"

{
  echo "Korvane in the browser, measured $(date -u +%Y-%m-%d) on $(nproc) cores"
  echo
  echo "First visit: the files the service worker keeps, and the texts of the reader's language"
  echo "(one file of lang/), gzip -9"
  total_gz=0
  for file in "$site"/*; do
    case "$(basename "$file")" in lang | manifest.*.webmanifest) continue ;; esac
    raw=$(stat -c %s "$file")
    gz=$(gzip -9c "$file" | wc -c)
    total_gz=$((total_gz + gz))
    printf '  %-26s %7d bytes, %6d compressed\n' "$(basename "$file")" "$raw" "$gz"
  done
  for texts in "$site"/lang/*.json; do
    gz=$(gzip -9c "$texts" | wc -c)
    printf '  %-26s %7d bytes, %6d compressed: in all %d KB\n' "lang/$(basename "$texts")" \
      "$(stat -c %s "$texts")" "$gz" $(((total_gz + gz + 1023) / 1024))
  done
  echo
  node "$root/bench/web/reading_time.mjs" "$site"
  echo
  node "$root/bench/web/lighthouse.mjs" "$site"
} | tee "$root/bench/web-results.txt"
