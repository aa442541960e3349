#!/usr/bin/env bash
# Two builds of this source tree, in two folders and at two times, give the
# same Debian package and the same web site archive, byte for byte. The
# first of each is the test command's own: the package that the release
# build's tests wrote, the site that the web tests built. The second is built
# here, later, from a copy of the tree at another path, under another umask.
# On a difference, diffoscope shows it.
#   reproducible.sh BUILD WEB_BUILD
set -euo pipefail
repo="$(cd "$(dirname "$0")/../.." && pwd)"
. "$repo/scripts/lib/common.sh"
. "$repo/scripts/lib/reproducible.sh"
build="$(realpath "$1")"
web="$(realpath "$2")"
debs=("$build"/package/*.deb)
[ -f "${debs[0]}" ] || { echo "FAILED: no package in $build/package: the release build's tests write it"; exit 1; }
[ -f "$web/site/index.html" ] || { echo "FAILED: no site in $web/site: the web tests build it"; exit 1; }
# The copy has no git history to take the commit's time from.
korvane_reproducible_environment "$repo"
[ -n "${SOURCE_DATE_EPOCH:-}" ] || { echo "FAILED: no commit time: $repo is not a git checkout"; exit 1; }
korvane_load_identity "$build"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
copy="$work/another/place/korvane"
mkdir -p "$copy"
# What the first builds saw: the tracked files and the new ones, as they are.
(cd "$repo" && git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
  tar --null -T - -cf -) | tar -C "$copy" -xf -

built() {
  local what="$1" log="$work/$2.log"
  shift 2
  if (umask 077 && "$@") >"$log" 2>&1; then
    tail -n 1 "$log"
  else
    tail -n 40 "$log" >&2
    echo "FAILED: building $what again" >&2
    return 1
  fi
}
deb="$(built "the package" package "$copy/scripts/package.sh" "$work/package")"
site="$(built "the web site" web "$copy/scripts/build-web.sh" "$work/web")"

status=0
korvane_same_bytes "${debs[0]}" "$deb" || status=1
name="$KORVANE_EXECUTABLE-$KORVANE_VERSION-web"
korvane_pack_folder "$web/site" "$name" "$work/first.tar.gz"
korvane_pack_folder "$site" "$name" "$work/second.tar.gz"
korvane_same_bytes "$work/first.tar.gz" "$work/second.tar.gz" || status=1
if [ "$status" -eq 0 ]; then
  echo "reproducible: $(basename "${debs[0]}") and $name.tar.gz built twice, the same bytes"
else
  echo "FAILED: two builds of one source differ"
fi
exit "$status"
