#!/usr/bin/env bash
# Korvane in the browser, measured: what the first visit loads (compressed),
# the time from the click to the reading on screen in headless Chromium, and
# Lighthouse's four scores. Prints a table and writes it to bench/web-results.txt.
#   bench/web.sh [build folder]     (build-web/ by default)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
. "$root/scripts/lib/common.sh"
build="$(realpath -m "${1:-$root/build-web}")"
tests="$root/tests/web"
korvane_install_packages "${KORVANE_WEB_TEST_PACKAGES[@]}" gzip
site="$("$root/scripts/build-web.sh" "$build" | tail -n 1)"
if [ ! -f "$tests/node_modules/.package-lock.json" ] ||
  [ "$tests/package-lock.json" -nt "$tests/node_modules/.package-lock.json" ]; then
  (cd "$tests" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --ignore-scripts --no-audit --no-fund)
fi
work="$(mktemp -d)"
server_pid=""
cleanup() {
  [ -n "$server_pid" ] && korvane_kill "$server_pid"
  rm -rf "$work"
}
trap cleanup EXIT

results="$root/bench/web-results.txt"
# Written to the file, not through a pipe, so that the server below runs in
# this shell and the trap ends it.
{
  echo "Korvane in the browser, measured $(date -u +%Y-%m-%d) on $(nproc) cores"
  echo
  echo "First visit: every file of the site (the service worker fetches them all), gzip -9"
  total_raw=0
  total_gz=0
  for file in "$site"/*; do
    raw=$(stat -c %s "$file")
    gz=$(gzip -9c "$file" | wc -c)
    total_raw=$((total_raw + raw))
    total_gz=$((total_gz + gz))
    printf '  %-22s %7d bytes, %6d compressed\n' "$(basename "$file")" "$raw" "$gz"
  done
  printf '  %-22s %7d bytes, %6d compressed (%d KB)\n' total "$total_raw" "$total_gz" \
    $(((total_gz + 1023) / 1024))
  echo
  (cd "$tests" && node "$root/bench/web/reading_time.mjs" "$site")
} >"$results"
cat "$results"

python3 -u "$root/web/serve.py" "$site" >"$work/server" &
server_pid=$!
for _ in $(seq 1 50); do
  [ -s "$work/server" ] && break
  sleep 0.1
done
url="$(head -n 1 "$work/server")"
{
  echo
  CHROME_PATH=/usr/bin/chromium "$tests/node_modules/.bin/lighthouse" "$url" --quiet \
    --output=json --output-path="$work/lighthouse.json" \
    --chrome-flags="--headless --no-sandbox --disable-gpu --disable-background-networking --disable-component-update --disable-sync --no-first-run --user-data-dir=$work/profile" \
    --only-categories=performance,accessibility,best-practices,seo
  node -e '
    const report = JSON.parse(require("fs").readFileSync(process.argv[1], "utf8"));
    const scores = Object.values(report.categories)
      .map((c) => `${c.title} ${Math.round(c.score * 100)}`).join(", ");
    console.log(`Lighthouse ${report.lighthouseVersion} (${report.configSettings.formFactor}): ${scores}`);
    const failing = Object.values(report.audits)
      .filter((a) => a.score !== null && a.score < 1 && a.scoreDisplayMode === "binary")
      .map((a) => a.id);
    if (failing.length) console.log(`  audits not passed: ${failing.join(", ")}`);
  ' "$work/lighthouse.json"
} | tee -a "$results"
