#!/usr/bin/env bash
# Sets up, builds and runs every test headless; fails when any test fails.
#   1. the release build (warnings as errors) and all its tests;
#   2. the same tests again built with AddressSanitizer and
#      UndefinedBehaviorSanitizer (clang), plus a bounded run of each fuzzer;
#   3. the web page built with emscripten, tested in Chromium and Firefox
#      ESR (tests/web/run.sh);
#   4. the Debian package and the web site built a second time from a copy
#      of the tree elsewhere, compared byte for byte with the first
#      (tests/delivery/reproducible.sh);
#   5. scripts/run.sh in a fresh Debian 12 root, where it must install what
#      it needs, build and show the window (tests/delivery/run_script.sh);
#   6. from Debian 12, the release build and its tests in a fresh Debian 13
#      root, and both Debian packages installed on Debian 13; in the same
#      root, the Windows build, its tests and its installer under Wine
#      (tests/debian13/run.sh --windows; on Debian 13, tests/windows/run.sh
#      --here; KORVANE_SKIP_WINDOWS=1 leaves Windows out).
# Each step says how long it took.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
. "$root/scripts/lib/common.sh"

windows=yes
[ "${KORVANE_SKIP_WINDOWS:-}" = 1 ] && windows=no
trixie=no
[ "$(. /etc/os-release && echo "${VERSION_CODENAME:-}")" = trixie ] && trixie=yes

# Everything is installed up front, so that nothing asks for a password later.
packages=("${KORVANE_BUILD_PACKAGES[@]}" "${KORVANE_TEST_PACKAGES[@]}" "${KORVANE_PACKAGING_PACKAGES[@]}"
  "${KORVANE_WEB_TEST_PACKAGES[@]}")
listed="$(korvane_web_packages)"
korvane_lines web_packages "$listed"
packages+=("${web_packages[@]}")
# The Windows build needs Debian 13: elsewhere it runs in a Debian 13 root.
if [ "$windows" = yes ] && [ "$trixie" = yes ]; then
  packages+=("${KORVANE_WINDOWS_PACKAGES[@]}")
fi
korvane_install_packages "${packages[@]}"
cd "$root"
jobs="$(nproc)"
status=0
started=$SECONDS
took() { echo "== $1: $((SECONDS - started)) s"; started=$SECONDS; }

cmake --preset default
cmake --build --preset default --parallel "$jobs"
ctest --preset default --timeout 300 || status=1
took "the release build and its tests"

cmake --preset sanitize
cmake --build --preset sanitize --parallel "$jobs"
ctest --preset sanitize --timeout 300 || status=1
took "the sanitizer build and its tests"

# The web page: parity with the native engine, two browsers, axe, the look.
"$root/tests/web/run.sh" || status=1
took "the web page"

# The Debian package and the web site built again elsewhere: the same bytes.
"$root/tests/delivery/reproducible.sh" "$root/build" "$root/build-web" || status=1
took "the second build of the package and the web site"

"$root/tests/delivery/run_script.sh" --suite bookworm || status=1
took "scripts/run.sh in a fresh Debian 12 root"

if [ "$trixie" = yes ]; then
  if [ "$windows" = yes ]; then
    "$root/tests/windows/run.sh" --here || status=1
    took "the Windows part"
  fi
else
  debian13=()
  [ "$windows" = yes ] && debian13+=(--windows)
  "$root/tests/debian13/run.sh" "${debian13[@]}" "$root/build/package" || status=1
  took "the Debian 13 part$([ "$windows" = yes ] && echo ", with the Windows part")"
fi

exit "$status"
