# Qt for Windows, and the Debian 13 root the Windows program is built and
# tried in.
# shellcheck shell=bash
# Source it after common.sh and debian_root.sh:  . "$root/scripts/lib/windows.sh"

# The Qt the Windows program is built with: Qt 6.8.2 from Debian 13's patched
# qt6-base source (scripts/build-qt-windows.sh). The prebuilt archive is
# taken only with this sha256; another one must be named with its own sum in
# KORVANE_QT_WINDOWS_SHA256.
KORVANE_QT_WINDOWS_VERSION=6.8.2
KORVANE_QT_WINDOWS_ARCHIVE_NAME="qt-$KORVANE_QT_WINDOWS_VERSION-mingw-x86_64.tar.xz"
KORVANE_QT_WINDOWS_PINNED_SHA256=6d290133b020c20160b75dc1b44d5123a1e2e60c618492bbb89c56857b276b6f
# Where a Qt built here from source is kept.
KORVANE_QT_WINDOWS_CACHE="$KORVANE_ROOT_CACHE/qt-windows"
# The Debian 13 root that scripts/build-windows.sh keeps for its builds.
KORVANE_WINDOWS_ROOT="$KORVANE_ROOT_CACHE/root-trixie-windows"

# Prints the prebuilt Qt archive to use: the one KORVANE_QT_WINDOWS_ARCHIVE
# names, or else the first windows/qt-6.8.2-mingw-x86_64.tar.xz in a folder
# beside the clone. Prints nothing when there is none.
korvane_find_qt_windows_archive() {
  local repo="$1" archive
  if [ -n "${KORVANE_QT_WINDOWS_ARCHIVE:-}" ]; then
    realpath "$KORVANE_QT_WINDOWS_ARCHIVE"
    return 0
  fi
  for archive in "$(dirname "$repo")"/*/windows/"$KORVANE_QT_WINDOWS_ARCHIVE_NAME"; do
    if [ -f "$archive" ]; then
      echo "$archive"
      return 0
    fi
  done
}

# Fails with a message saying why unless the archive's sha256 is the expected one.
korvane_check_qt_windows_archive() {
  local archive="$1" expected="${KORVANE_QT_WINDOWS_SHA256:-$KORVANE_QT_WINDOWS_PINNED_SHA256}" actual
  actual="$(sha256sum "$archive" | cut -d ' ' -f 1)"
  if [ "$actual" != "$expected" ]; then
    echo "Refusing the Qt for Windows archive $archive:" >&2
    echo "  its sha256 is $actual, expected $expected." >&2
    echo "  It is damaged or another build. For an archive of your own, set" >&2
    echo "  KORVANE_QT_WINDOWS_SHA256 to its sha256." >&2
    return 1
  fi
}

# Runs a script of this source tree with --here inside a Debian 13 root
# (korvane_in_debian13_root), one Windows build at a time in its build
# folder. Returns the script's status.
#   korvane_in_windows_root REPO ROOT_OR_EMPTY [--bind FOLDER]... SCRIPT [ARGUMENT...]
korvane_in_windows_root() {
  local repo="$1" root="$2" lock binds=() status=0
  shift 2
  while [ "$1" = --bind ]; do
    binds+=("$1" "$2")
    shift 2
  done
  mkdir -p "$repo/build-windows"
  exec {lock}>"$repo/build-windows/.lock"
  flock -n "$lock" || { echo "waiting for another Windows build in $repo/build-windows ..."; flock "$lock"; }
  korvane_in_debian13_root "$repo" "$root" "${binds[@]}" bash "$1" --here "${@:2}" || status=$?
  exec {lock}>&-
  return "$status"
}

# Runs a command inside a Debian 13 root: the one in ROOT, or else the one
# kept in the cache folder (made on first use, used by one command at a
# time). The source tree, the Qt archive's folder, the cache of Qt builds
# and each folder given with --bind are at the same paths inside; so is
# SOURCE_DATE_EPOCH. Returns the command's status.
#   korvane_in_debian13_root REPO ROOT_OR_EMPTY [--bind FOLDER]... COMMAND [ARGUMENT...]
korvane_in_debian13_root() {
  local repo="$1" root="$2" root_lock="" archive status=0
  shift 2
  local binds=(--bind "$repo" --bind "$KORVANE_QT_WINDOWS_CACHE")
  while [ "$1" = --bind ]; do
    mkdir -p "$2"
    binds+=(--bind "$(realpath "$2")")
    shift 2
  done
  mkdir -p "$KORVANE_QT_WINDOWS_CACHE"
  if [ -z "$root" ]; then
    root="$KORVANE_WINDOWS_ROOT"
    exec {root_lock}>"$root.lock"
    flock -n "$root_lock" || { echo "waiting for another build in $root ..."; flock "$root_lock"; }
    if [ ! -x "$root/usr/bin/apt-get" ]; then
      echo "making a Debian 13 root for Windows builds in $root (delete it to start afresh)"
      rm -rf "$root.partial"
      korvane_root_unpack trixie "$root.partial" || return 1
      mv "$root.partial" "$root"
    fi
  fi
  archive="$(korvane_find_qt_windows_archive "$repo")"
  [ -n "$archive" ] && binds+=(--bind "$(dirname "$archive")")
  # An empty SOURCE_DATE_EPOCH is not passed: fontconfig, under Wine, calls
  # it invalid once for every font it reads.
  local epoch=()
  [ -n "${SOURCE_DATE_EPOCH:-}" ] && epoch=(SOURCE_DATE_EPOCH="$SOURCE_DATE_EPOCH")
  korvane_root_start "$root" "${binds[@]}" --apt-cache "$(korvane_debian_archives trixie)" \
    XDG_CACHE_HOME="$(dirname "$KORVANE_ROOT_CACHE")" LANGUAGE="${LANGUAGE:-}" KORVANE_QT_WINDOWS_ARCHIVE="$archive" \
    KORVANE_QT_WINDOWS_SHA256="${KORVANE_QT_WINDOWS_SHA256:-}" CI="${CI:-}" \
    KORVANE_E2E_SHOTS="${KORVANE_E2E_SHOTS:-}" "${epoch[@]}" \
    DEBIAN_FRONTEND=noninteractive -- "$@"
  korvane_root_wait || status=$?
  [ -z "$root_lock" ] || exec {root_lock}>&-
  return "$status"
}
