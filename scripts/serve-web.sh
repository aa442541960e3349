#!/usr/bin/env bash
# Serves Korvane's web page on a free port of 127.0.0.1, building it first
# when needed, and prints the address. Ctrl+C stops the server.
#   scripts/serve-web.sh [build folder]     (build-web/ by default)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
site="$("$root/scripts/build-web.sh" "${1:-$root/build-web}" | tail -n 1)"
# Python's server knows application/wasm; port 0 takes a free port, which
# it names in its first line.
exec python3 -u "$root/web/serve.py" "$site"
