#!/usr/bin/env bash
# Makes every file of a release of the commit checked out, in dist/:
#   korvane_VERSION_debian12_amd64.deb   the Debian 12 package, built here
#   korvane-VERSION-web.tar.gz           the web site, for any static host
#   SHA256SUMS                           the sha256 of each
# The commit alone is built (uncommitted changes are left out), afresh, with
# the commit's time as SOURCE_DATE_EPOCH: two runs on one commit give the
# same bytes, in whatever folder the clone lies and whenever they run.
#   scripts/release.sh [--check]
#     --check  then makes the release a second time, from another folder,
#              and compares the two file by file; diffoscope shows any
#              difference, which fails.
# Runs on Debian 12. The last line of output is the dist folder's path.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
. "$root/scripts/lib/common.sh"
. "$root/scripts/lib/reproducible.sh"

check=""
case "${1:-}" in
  --check) check=yes ;;
  "") ;;
  *) echo "usage: $0 [--check]" >&2 && exit 2 ;;
esac
[ "$(. /etc/os-release && echo "${VERSION_CODENAME:-}")" = bookworm ] ||
  { echo "scripts/release.sh makes releases on Debian 12: its package is built on this machine" >&2; exit 1; }
read -ra web_packages <<<"$(korvane_web_packages | tr '\n' ' ')"
korvane_install_packages git "${KORVANE_BUILD_PACKAGES[@]}" "${KORVANE_PACKAGING_PACKAGES[@]}" \
  "${web_packages[@]}" diffoscope-minimal
commit="$(git -C "$root" rev-parse HEAD)"
korvane_reproducible_environment "$root"
[ -z "$(git -C "$root" status --porcelain --untracked-files=no)" ] ||
  echo "Uncommitted changes are not in the release: it is built from commit $commit alone."

# Runs a script, its output shown as it comes, and prints its last line.
last_line() {
  local log
  log="$(mktemp)"
  local status=0
  "$@" | tee "$log" >&2 || status=$?
  [ "$status" -eq 0 ] && tail -n 1 "$log"
  rm -f "$log"
  return "$status"
}

# Builds the release of the commit in the work folder, from a copy of the
# commit there, and writes its files into the dist folder.
#   make_release WORK DIST
make_release() {
  local work="$1" dist="$2" source="$1/source"
  rm -rf "$work" "$dist"
  mkdir -p "$source" "$dist"
  git -C "$root" archive "$commit" | tar -C "$source" -xf -
  local deb site name

  echo "== the Debian 12 package"
  deb="$(last_line "$source/scripts/package.sh" "$work/debian12")"
  korvane_load_identity "$work/debian12"
  name="$KORVANE_EXECUTABLE-$KORVANE_VERSION"
  cp "$deb" "$dist/${KORVANE_EXECUTABLE}_${KORVANE_VERSION}_debian12_amd64.deb"

  echo "== the web site"
  site="$(last_line "$source/scripts/build-web.sh" "$work/web")"
  korvane_pack_folder "$site" "$name-web" "$dist/$name-web.tar.gz"

  (cd "$dist" && export LC_ALL=C && sha256sum -- * >SHA256SUMS)
}

dist="$root/dist"
make_release "$root/build-release" "$dist"
cat "$dist/SHA256SUMS"

if [ -n "$check" ]; then
  echo "== the release again, from another folder, to compare"
  again="$root/build-release/check"
  make_release "$again/elsewhere/build" "$again/dist"
  status=0
  while read -r _ file; do
    korvane_same_bytes "$dist/$file" "$again/dist/$file" || status=1
  done <"$dist/SHA256SUMS"
  if [ "$status" -ne 0 ]; then
    echo "FAILED: two releases of commit $commit differ"
    exit 1
  fi
  echo "Made twice, in two folders, the release's files are the same bytes."
fi
echo "$dist"
