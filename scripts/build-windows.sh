#!/usr/bin/env bash
# Cross-builds Korvane for 64-bit Windows against Qt 6.8.2 and packs it:
#   build-windows/package/korvane-<version>-win64-setup.exe  the installer
#   build-windows/package/korvane-<version>-win64.zip        the portable folder
# The build runs inside a Debian 13 root, which has MinGW-w64 GCC 14 and
# Qt 6.8.2's host tools (moc, rcc, uic), on a Debian 12 or 13 machine. The
# root is bootstrapped on first use and kept in the cache folder.
#   scripts/build-windows.sh [--tests] [--root DIR] [--here]
#     --tests     also build the tests (tests/windows/run.sh runs them)
#     --root DIR  build in the Debian 13 root in DIR instead of the kept one
#     --here      build on this machine, which must run Debian 13
# Qt for Windows is the archive that KORVANE_QT_WINDOWS_ARCHIVE names, or
# else windows/qt-6.8.2-mingw-x86_64.tar.xz in a folder beside the clone,
# taken only with the pinned sha256. Without one, Qt is built first from
# Debian 13's patched source (scripts/build-qt-windows.sh: about an hour on
# two cores) and kept in the cache folder.
# Needs root for the chroot (it asks sudo when there is one); --here does not.
# Built twice from one commit, the installer and the zip are the same bytes.
# The last line of output is the installer's path.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
. "$root/scripts/lib/common.sh"
. "$root/scripts/lib/debian_root.sh"
. "$root/scripts/lib/windows.sh"
. "$root/scripts/lib/reproducible.sh"

tests=OFF
here=""
debian_root=""
arguments=("$@")
while [ $# -gt 0 ]; do
  case "$1" in
    --tests) tests=ON && shift ;;
    --here) here=yes && shift ;;
    --root) debian_root="$(realpath "$2")" && shift 2 ;;
    *) echo "usage: $0 [--tests] [--root DIR] [--here]" >&2 && exit 2 ;;
  esac
done
out="$root/build-windows"
# Inside the root, SOURCE_DATE_EPOCH comes from outside: the copy there may
# have no git to read the commit's time with.
korvane_reproducible_environment "$root"

if [ -z "$here" ]; then
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Building for Windows needs root (a chroot); run it as root." >&2; exit 1; }
    exec sudo --preserve-env=KORVANE_QT_WINDOWS_ARCHIVE,KORVANE_QT_WINDOWS_SHA256,KORVANE_DEBIAN_MIRROR,CI,SOURCE_DATE_EPOCH \
      "$0" "${arguments[@]}"
  fi
  korvane_install_packages debootstrap xz-utils
  # A wrong archive is refused before anything is built.
  archive="$(korvane_find_qt_windows_archive "$root")"
  [ -z "$archive" ] || korvane_check_qt_windows_archive "$archive"
  # Started through sudo: the build is the caller's, however it ends.
  finish() {
    korvane_root_stop
    if [ -n "${SUDO_UID:-}" ] && [ -e "$out" ]; then
      chown -R "$SUDO_UID:$SUDO_GID" "$out" || true
    fi
  }
  trap finish EXIT
  trap 'exit 1' INT TERM
  build_arguments=()
  [ "$tests" = ON ] && build_arguments+=(--tests)
  korvane_in_windows_root "$root" "$debian_root" "$root/scripts/build-windows.sh" "${build_arguments[@]}"
  exit 0
fi

[ "$(korvane_debian_codename)" = trixie ] ||
  { echo "--here builds on Debian 13 only: Qt $KORVANE_QT_WINDOWS_VERSION needs its host tools" >&2; exit 1; }
korvane_install_packages "${KORVANE_WINDOWS_PACKAGES[@]}"
korvane_generate_locales "${KORVANE_WINDOWS_LOCALES[@]}"

# Qt for Windows: the prebuilt archive, or one built here from source.
archive="$(korvane_find_qt_windows_archive "$root")"
if [ -n "$archive" ]; then
  korvane_check_qt_windows_archive "$archive"
else
  archive="$KORVANE_QT_WINDOWS_CACHE/$KORVANE_QT_WINDOWS_ARCHIVE_NAME"
  if [ ! -f "$archive" ]; then
    echo "No prebuilt Qt for Windows: building Qt $KORVANE_QT_WINDOWS_VERSION from Debian's source" \
      "first (about an hour on two cores), kept as $archive"
    "$root/scripts/build-qt-windows.sh" "$archive"
  fi
fi
# Unpacked again, and everything built afresh, only for another archive or
# another compiler.
qt="$out/qt6"
build="$out/build"
stamp="$(sha256sum "$archive" | cut -d ' ' -f 1) $(x86_64-w64-mingw32-g++-posix -dumpfullversion)"
if [ ! -f "$out/qt6.stamp" ] || [ "$(cat "$out/qt6.stamp")" != "$stamp" ]; then
  echo "Unpacking $archive"
  rm -rf "$qt" "$build" "$out/qt6.stamp"
  mkdir -p "$out"
  tar -xJf "$archive" -C "$out"
  [ -f "$qt/lib/cmake/Qt6/Qt6Config.cmake" ] || { echo "$archive holds no qt6/ folder" >&2; exit 1; }
  echo "$stamp" >"$out/qt6.stamp"
fi

cmake -G Ninja -S "$root" -B "$build" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_PREFIX_PATH="$qt" -DQTWIN_EXTRA_FIND_ROOT="$qt" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DKORVANE_BUILD_TESTS="$tests" -DCMAKE_CXX_FLAGS="-ffile-prefix-map=$root=." >/dev/null
cmake --build "$build" --parallel "$(nproc)"

korvane_load_identity "$build"
name="$KORVANE_EXECUTABLE-$KORVANE_VERSION-win64"
package="$out/package"
rm -rf "$package"
mkdir -p "$package"
cmake --install "$build" --component windows --prefix "$package/$name" --strip >/dev/null
# Qt and the MinGW runtime come with their symbols; the package needs none.
find "$package/$name" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
# The zip and the installer store each file's time: the commit's, so that
# they depend on the files alone. The zip lists its files in the order of
# their names, without the extra fields that hold owners and more times.
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
  find "$package/$name" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
fi
(cd "$package" && find "$name" | LC_ALL=C sort | zip -qX -@ "$name.zip")

# The installer takes exactly the portable folder's files, and its
# uninstaller removes exactly those.
nsis="$out/nsis"
rm -rf "$nsis"
mkdir -p "$nsis"
(
  cd "$package/$name"
  find . -type d ! -name . | sort | while read -r dir; do
    echo "SetOutPath \"\$INSTDIR\\${dir#./}\""
    find "$dir" -maxdepth 1 -type f | sort | while read -r file; do
      echo "File \"$package/$name/${file#./}\""
    done
  done
  echo 'SetOutPath "$INSTDIR"'
  find . -maxdepth 1 -type f | sort | while read -r file; do
    echo "File \"$package/$name/${file#./}\""
  done
) | sed 's|\(SetOutPath "[^"]*\)/|\1\\|g' >"$nsis/files.nsh"
(
  cd "$package/$name"
  find . -type f | sort | while read -r file; do
    echo "Delete \"\$INSTDIR\\${file#./}\""
  done
  find . -mindepth 1 -type d | sort -r | while read -r dir; do
    echo "RMDir \"\$INSTDIR\\${dir#./}\""
  done
) | sed 's|/|\\|g' >"$nsis/unfiles.nsh"
setup="$package/$name-setup.exe"
makensis -V2 -DIDENTITY="$build/windows/identity.nsh" -DFILES="$nsis/files.nsh" \
  -DUNFILES="$nsis/unfiles.nsh" -DOUTFILE="$setup" "$root/packaging/windows/korvane.nsi"
echo "$setup"
