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
# Each step says how long it took. A step that cannot run here (without root,
# say) exits 77 and is left out; the last line names every step and test
# left out, or says that none was. In CI (CI=true) a step left out fails.
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
declare -a web_packages
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
skipped=()
finished=""
current=""
started=$SECONDS
# The last line, however the script ends.
summary() {
  local code=$?
  [ -n "$finished" ] || echo "FAILED: the test command stopped early (status $code); later steps did not run"
  if [ ${#skipped[@]} -eq 0 ]; then
    echo "Skipped: nothing."
  else
    local IFS=";"
    echo "Skipped (${#skipped[@]}):${skipped[*]/#/ }"
  fi
}
trap summary EXIT

# Runs a step and says how long it took: 77 from it means left out, any other
# status but 0 a failure.
step() {
  local what="$1" code=0
  shift
  current="$what"
  "$@" || code=$?
  case "$code" in
    0) ;;
    77)
      skipped+=("$what")
      [ "${CI:-}" = true ] && echo "FAILED: $what was left out, and CI must run it" && status=1
      ;;
    *) status=1 ;;
  esac
  echo "== $what: $((SECONDS - started)) s"
  started=$SECONDS
}

# ctest, whose tests that left themselves out (77) are named as left out,
# with the step they are in.
ctest_naming_skips() {
  local log code=0 test
  log="$(mktemp)"
  ctest "$@" | tee "$log" || code=$?
  while IFS= read -r test; do
    skipped+=("$test ($current)")
    [ "${CI:-}" = true ] && echo "FAILED: $test was left out, and CI must run it" && code=1
  done < <(sed -n 's/^[[:space:]]*[0-9]* - \(.*\) (Skipped)$/\1/p' "$log")
  rm -f "$log"
  return "$code"
}

# A build that fails ends the test command; failing tests do not.
cmake --preset default
cmake --build --preset default --parallel "$jobs"
step "the release build and its tests" ctest_naming_skips --preset default --timeout 300

cmake --preset sanitize
cmake --build --preset sanitize --parallel "$jobs"
step "the sanitizer build and its tests" ctest_naming_skips --preset sanitize --timeout 300

# The web page: parity with the native engine, two browsers, axe, the look.
step "the web page" "$root/tests/web/run.sh"

# The Debian package and the web site built again elsewhere: the same bytes.
step "the second build of the package and the web site" \
  "$root/tests/delivery/reproducible.sh" "$root/build" "$root/build-web"

step "scripts/run.sh in a fresh Debian 12 root" "$root/tests/delivery/run_script.sh" --suite bookworm

if [ "$trixie" = yes ]; then
  if [ "$windows" = yes ]; then
    step "the Windows part" "$root/tests/windows/run.sh" --here
  fi
else
  debian13=()
  [ "$windows" = yes ] && debian13+=(--windows)
  step "the Debian 13 part$([ "$windows" = yes ] && echo ", with the Windows part")" \
    "$root/tests/debian13/run.sh" "${debian13[@]}" "$root/build/package"
fi

finished=yes
exit "$status"
