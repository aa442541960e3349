#!/usr/bin/env bash
# Sets up, builds and runs every test headless; fails when any test fails.
#   1. the release build and all its tests;
#   2. the same tests again built with AddressSanitizer and
#      UndefinedBehaviorSanitizer (clang), plus a bounded run of each fuzzer;
#   3. the web page built with emscripten, tested in Chromium and Firefox
#      ESR (tests/web/run.sh);
#   4. the Windows build, its tests and its installer under Wine
#      (tests/windows/run.sh; KORVANE_SKIP_WINDOWS=1 leaves it out).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
. "$root/scripts/lib/common.sh"
# Everything is installed up front, so that nothing asks for a password later.
packages=("${KORVANE_BUILD_PACKAGES[@]}" "${KORVANE_TEST_PACKAGES[@]}" "${KORVANE_PACKAGING_PACKAGES[@]}"
  "${KORVANE_WEB_TEST_PACKAGES[@]}")
read -ra web_packages <<<"$(korvane_web_packages | tr '\n' ' ')"
packages+=("${web_packages[@]}")
if [ "${KORVANE_SKIP_WINDOWS:-}" != 1 ]; then
  packages+=("${KORVANE_WINDOWS_PACKAGES[@]}")
fi
korvane_install_packages "${packages[@]}"
cd "$root"
jobs="$(nproc)"
status=0

cmake --preset default
cmake --build --preset default --parallel "$jobs"
ctest --preset default --timeout 300 || status=1

cmake --preset sanitize
cmake --build --preset sanitize --parallel "$jobs"
ctest --preset sanitize --timeout 300 || status=1

# The web page: parity with the native engine, two browsers, axe, the look.
"$root/tests/web/run.sh" || status=1

if [ "${KORVANE_SKIP_WINDOWS:-}" != 1 ]; then
  "$root/tests/windows/run.sh" || status=1
fi

exit "$status"
