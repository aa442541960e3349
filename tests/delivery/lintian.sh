#!/usr/bin/env bash
# Runs lintian on the package in the given folder; any error or warning fails.
set -uo pipefail
debs=("$1"/*.deb)
[ -f "${debs[0]}" ] || { echo "FAILED: no .deb in $1"; exit 1; }
# Lintian leaves a scratch file in the temporary folder: give it one of ours.
scratch="$(mktemp -d)"
output="$(TMPDIR="$scratch" lintian --fail-on error,warning --tag-display-limit 0 "${debs[0]}" 2>&1)"
status=$?
rm -rf "$scratch"
[ -n "$output" ] && echo "$output"
if [ "$status" -ne 0 ] || grep -qE '^[EW]: ' <<<"$output"; then
  echo "FAILED: lintian (status $status)"
  exit 1
fi
echo "lintian: no errors, no warnings"
