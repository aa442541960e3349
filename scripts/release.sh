#!/usr/bin/env bash
# Makes every file of a release of the commit checked out, in dist/:
#   korvane_VERSION_debian12_amd64.deb   the Debian 12 package, built here
#   korvane_VERSION_debian13_amd64.deb   the Debian 13 package, built in the
#                                        Debian 13 root of the Windows builds
#   korvane-VERSION-win64-setup.exe      the Windows installer
#   korvane-VERSION-win64.zip            the portable Windows folder
#   korvane-VERSION-web.tar.gz           the web site, for any static host
#   SHA256SUMS                           the sha256 of each
# The commit alone is built (uncommitted changes are left out), afresh, with
# the commit's time as SOURCE_DATE_EPOCH: two runs on one commit give the
# same bytes, in whatever folder the clone lies and whenever they run.
#   scripts/release.sh [--check]
#     --check  then makes the release a second time, from another folder,
#              and compares the two file by file; diffoscope shows any
#              difference, which fails.
# Qt for Windows is the pinned archive that scripts/build-windows.sh finds
# beside this clone or in KORVANE_QT_WINDOWS_ARCHIVE.
# Runs on Debian 12. Only the steps in the Debian 13 root (a chroot) run as
# root, through sudo when the caller is not root; whatever they write in the
# tree goes back to the caller however the release ends. The last line of
# output is the dist folder's path.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
. "$root/scripts/lib/common.sh"
. "$root/scripts/lib/debian_root.sh"
. "$root/scripts/lib/windows.sh"
. "$root/scripts/lib/reproducible.sh"

check=""
case "${1:-}" in
  --check) check=yes ;;
  "") ;;
  *) echo "usage: $0 [--check]" >&2 && exit 2 ;;
esac
[ "$(. /etc/os-release && echo "${VERSION_CODENAME:-}")" = bookworm ] ||
  { echo "scripts/release.sh makes releases on Debian 12: its package is built on this machine" >&2; exit 1; }

# The steps that need root: through sudo, with what they need of the
# environment. The caller owns the release: the user who ran sudo, when it
# was started through sudo.
as_root=()
owner="$(id -u):$(id -g)"
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null ||
    { echo "A release needs root for its Debian 13 root (a chroot): install sudo, or run it as root." >&2; exit 1; }
  # shellcheck disable=SC2054 # the commas are sudo's
  as_root=(sudo --preserve-env=KORVANE_QT_WINDOWS_ARCHIVE,KORVANE_QT_WINDOWS_SHA256,KORVANE_DEBIAN_MIRROR,SOURCE_DATE_EPOCH,CI,LANGUAGE)
elif [ -n "${SUDO_UID:-}" ]; then
  # shellcheck disable=SC2153 # sudo sets both
  owner="$SUDO_UID:$SUDO_GID"
fi
# Gives everything the release wrote in the tree back to the caller.
give_back() {
  local folder
  for folder in "$root/build-release" "$root/dist"; do
    if [ -e "$folder" ]; then
      "${as_root[@]}" chown -R "$owner" "$folder" || echo "could not give $folder back to $owner" >&2
    fi
  done
}
trap give_back EXIT
trap 'exit 1' INT TERM
listed="$(korvane_web_packages)"
declare -a web_packages
korvane_lines web_packages "$listed"
korvane_install_packages git "${KORVANE_BUILD_PACKAGES[@]}" "${KORVANE_PACKAGING_PACKAGES[@]}" \
  "${web_packages[@]}" debootstrap xz-utils diffoscope-minimal
commit="$(git -C "$root" rev-parse HEAD)"
korvane_reproducible_environment "$root"
[ -z "$(git -C "$root" status --porcelain --untracked-files=no)" ] ||
  echo "Uncommitted changes are not in the release: it is built from commit $commit alone."
# The copies of the commit lie elsewhere: they get the Qt for Windows that
# this clone finds.
KORVANE_QT_WINDOWS_ARCHIVE="$(korvane_find_qt_windows_archive "$root")"
[ -n "$KORVANE_QT_WINDOWS_ARCHIVE" ] && export KORVANE_QT_WINDOWS_ARCHIVE

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

# Builds the Debian 13 package of the source copy in the kept Debian 13
# root, into WORK/debian13, as root. Whatever it started there ends with it.
#   debian13_package SOURCE WORK
debian13_package() {
  "${as_root[@]}" bash -c '
    set -euo pipefail
    . "$0/scripts/lib/common.sh"
    . "$0/scripts/lib/debian_root.sh"
    . "$0/scripts/lib/windows.sh"
    trap korvane_root_stop EXIT
    trap "exit 1" INT TERM
    korvane_in_debian13_root "$1" "" --bind "$2" bash "$1/scripts/package.sh" "$2/debian13"' \
    "$root" "$1" "$2"
}

# Builds the release of the commit in the work folder, from a copy of the
# commit there, and writes its files into the dist folder.
#   make_release WORK DIST
make_release() {
  local work="$1" dist="$2" source="$1/source"
  rm -rf "$work" "$dist"
  mkdir -p "$source" "$dist"
  git -C "$root" archive "$commit" | tar -C "$source" -xf -
  local deb site name setup

  echo "== the Debian 12 package"
  deb="$(last_line "$source/scripts/package.sh" "$work/debian12")"
  korvane_load_identity "$work/debian12"
  name="$KORVANE_EXECUTABLE-$KORVANE_VERSION"
  cp "$deb" "$dist/${KORVANE_EXECUTABLE}_${KORVANE_VERSION}_debian12_amd64.deb"

  echo "== the Debian 13 package, in the Debian 13 root"
  deb="$(last_line debian13_package "$source" "$work")"
  cp "$deb" "$dist/${KORVANE_EXECUTABLE}_${KORVANE_VERSION}_debian13_amd64.deb"

  # Its Debian 13 root alone runs as root (it asks sudo itself).
  echo "== the Windows installer and portable zip"
  setup="$(last_line "$source/scripts/build-windows.sh")"
  cp "$setup" "${setup%-setup.exe}.zip" "$dist/"

  echo "== the web site"
  site="$(last_line "$source/scripts/build-web.sh" "$work/web")"
  korvane_pack_folder "$site" "$name-web" "$dist/$name-web.tar.gz"

  (cd "$dist" && export LC_ALL=C && sha256sum -- * >SHA256SUMS)
}

dist="$root/dist"
# What an earlier run left as root's is the caller's again before it goes.
give_back
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
