#!/usr/bin/env bash
# Cross-builds Korvane for 64-bit Windows on Debian 12 and packs it:
#   build-windows/package/korvane-<version>-win64-setup.exe  the installer
#   build-windows/package/korvane-<version>-win64.zip        the portable folder
# Qt for Windows comes from the archive KORVANE_QT_WINDOWS_ARCHIVE names, or
# else from ${XDG_CACHE_HOME:-$HOME/.cache}/korvane/, where it is built from
# Debian's source the first time (about 45 minutes).
# With KORVANE_WINDOWS_TESTS=ON the tests are built as well.
# The last line of output is the installer's path.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$root/build-windows"
build="$out/build"
package="$out/package"
jobs="$(nproc)"

. "$root/scripts/lib/common.sh"
korvane_install_packages "${KORVANE_WINDOWS_PACKAGES[@]}"

# Qt for Windows.
mkdir -p "$out"
if [ -n "${KORVANE_QT_WINDOWS_ARCHIVE:-}" ]; then
  archive=$(realpath "$KORVANE_QT_WINDOWS_ARCHIVE")
  korvane_check_qt_windows_archive "$archive"
  qt="$out/qt6"
  # Unpacked again only for another archive: fresh files would rebuild everything.
  stamp="$archive $(stat -c '%s %Y' "$archive")"
  if [ ! -f "$out/qt6.stamp" ] || [ "$(cat "$out/qt6.stamp")" != "$stamp" ]; then
    echo "Unpacking $archive"
    rm -rf "$qt" "$out/qt6.stamp"
    tar -xJf "$archive" -C "$out"
    [ -f "$qt/lib/cmake/Qt6/Qt6Config.cmake" ] || { echo "$archive holds no qt6/ folder" >&2; exit 1; }
    echo "$stamp" >"$out/qt6.stamp"
  fi
else
  cache="${XDG_CACHE_HOME:-$HOME/.cache}/korvane"
  qt="$cache/qt-6.4.2-mingw-x86_64"
  if [ ! -f "$qt/lib/cmake/Qt6/Qt6Config.cmake" ]; then
    echo "Building Qt for Windows into $qt (about 45 minutes)"
    rm -rf "$qt.partial"
    mkdir -p "$cache"
    "$root/scripts/build-qt-windows.sh" "$qt.partial"
    rm -rf "$qt"
    mv "$qt.partial" "$qt"
  fi
fi

cmake -G Ninja -S "$root" -B "$build" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_PREFIX_PATH="$qt" -DQTWIN_EXTRA_FIND_ROOT="$qt" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DKORVANE_BUILD_TESTS="${KORVANE_WINDOWS_TESTS:-OFF}" >/dev/null
cmake --build "$build" --parallel "$jobs"

korvane_load_identity "$build"
name="$KORVANE_EXECUTABLE-$KORVANE_VERSION-win64"
rm -rf "$package"
mkdir -p "$package"
cmake --install "$build" --component windows --prefix "$package/$name" --strip >/dev/null
# Qt and the MinGW runtime come with their symbols; the package needs none.
find "$package/$name" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
(cd "$package" && zip -qr "$name.zip" "$name")

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
