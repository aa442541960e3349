#!/usr/bin/env bash
# Installs what building, running, testing and packaging Korvane need on
# Debian 12, and nothing when everything is already there. Not root and no
# sudo: says which command to run as root, and stops.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
. "$root/scripts/lib/common.sh"

korvane_install_packages "${KORVANE_BUILD_PACKAGES[@]}" "${KORVANE_TEST_PACKAGES[@]}" \
  "${KORVANE_PACKAGING_PACKAGES[@]}"
