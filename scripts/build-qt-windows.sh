#!/usr/bin/env bash
# Builds Qt 6.8.2's base module for 64-bit Windows with MinGW-w64 from
# Debian 13's own qt6-base source package, with Debian's patches applied, and
# packs the installed Qt as an archive with one top folder, qt6/:
# shared, release; Core, Gui, Widgets, Test; the windows, offscreen and
# minimal platform plugins; the modern Windows style plugin; the gif and ico
# image plugins; DirectWrite fonts.
#   build-qt-windows.sh ARCHIVE
# Runs on Debian 13 (scripts/build-windows.sh calls it inside its Debian 13
# root when it has no archive): a cross build of Qt needs host tools (moc,
# rcc, uic) of the same Qt version, which qt6-base-dev-tools has there.
# About 45 minutes of compiling on two cores, an hour in all.
# KORVANE_QT_CONFIGURE_ONLY=1 stops once Qt is configured (a check of the
# recipe in minutes).
set -euo pipefail
archive=$(realpath -m "$1")
root="$(cd "$(dirname "$0")/.." && pwd)"
. "$root/scripts/lib/common.sh"
. "$root/scripts/lib/debian_root.sh"
. "$root/scripts/lib/windows.sh"
[ "$(korvane_debian_codename)" = trixie ] ||
  { echo "Qt $KORVANE_QT_WINDOWS_VERSION for Windows is built on Debian 13 only" >&2; exit 1; }
korvane_install_packages "${KORVANE_WINDOWS_PACKAGES[@]}" dpkg-dev mingw-w64-tools ca-certificates
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
trap 'exit 1' INT TERM

# The source package through a private deb-src list made from the machine's
# own apt sources, so that nothing in /etc/apt changes.
mkdir -p "$work/apt/lists/partial" "$work/src"
for f in /etc/apt/sources.list.d/*.sources; do
  [ -f "$f" ] || continue
  sed 's/^Types: deb$/Types: deb-src/' "$f"
  echo
done >"$work/apt/src.sources"
for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
  [ -f "$f" ] || continue
  sed -n 's/^deb \(.*\)$/deb-src \1/p' "$f"
done >"$work/src.list"
apt_src=(-o Dir::Etc::sourcelist="$work/src.list" -o Dir::Etc::sourceparts="$work/apt"
  -o Dir::State::lists="$work/apt/lists")
apt-get "${apt_src[@]}" update -qq
# The newest source of the suite and its updates; the host tools must be the
# same Qt version.
version=$(apt-cache "${apt_src[@]}" showsrc qt6-base | awk '/^Version:/ { print $2 }' | sort -V | tail -n 1)
upstream=${version%%+*}
tools=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
[ "$upstream" = "$KORVANE_QT_WINDOWS_VERSION" ] && [ "${tools%%+*}" = "$upstream" ] ||
  { echo "qt6-base $version and host tools $tools: expected Qt $KORVANE_QT_WINDOWS_VERSION for both" >&2; exit 1; }
# dpkg-source unpacks the source with Debian's patches (debian/patches/series).
(cd "$work/src" && apt-get "${apt_src[@]}" -o APT::Sandbox::User=root source qt6-base="$version" \
  >"$work/source.log" 2>&1) || { tail -n 20 "$work/source.log" >&2; exit 1; }
src=$(find "$work/src" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')
echo "Debian source: qt6-base $version, $(grep -cv '^\s*\(#\|$\)' "$src/debian/patches/series") of Debian's patches applied"

# Switches, where they are not a plain choice of modules:
#  INPUT_opengl=no (as configure -no-opengl): without OpenGL, and without the
#    Windows-only dynamic OpenGL, which FEATURE_opengl=OFF alone leaves on.
#  direct2d, directwrite, directwrite3: the DirectWrite font engine and font
#    database are built only with all three; set, so that configure fails
#    rather than falls back to GDI. direct2d1_1 would only add the separate
#    direct2d platform plugin.
#  tabletevent off: Debian's source has no wintab.
#  Qt's bundled freetype, harfbuzz, png, zlib, pcre2: nothing from the MinGW
#    sysroot (Wine brings a MinGW zlib there).
#  QT_GENERATE_SBOM off: no SPDX documents in the archive.
cmake -G Ninja -S "$src" -B "$work/build" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_INSTALL_PREFIX="$work/install/qt6" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF -DQT_GENERATE_SBOM=OFF \
  -DFEATURE_gui=ON -DFEATURE_widgets=ON -DFEATURE_testlib=ON \
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF \
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
  -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF \
  -DFEATURE_direct2d=ON -DFEATURE_directwrite=ON -DFEATURE_directwrite3=ON -DFEATURE_direct2d1_1=OFF \
  -DFEATURE_style_windowsvista=ON -DFEATURE_style_windows11=ON \
  -DFEATURE_gif=ON -DFEATURE_ico=ON \
  -DFEATURE_tabletevent=OFF -DFEATURE_jpeg=OFF \
  -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_pkg_config=OFF \
  -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF -DFEATURE_harfbuzz=ON \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF \
  -DFEATURE_system_libb2=OFF -DFEATURE_system_textmarkdownreader=OFF >"$work/configure.log" 2>&1 ||
  { tail -n 40 "$work/configure.log" >&2; exit 1; }
[ -n "${KORVANE_QT_CONFIGURE_ONLY:-}" ] && { echo "Qt configured; KORVANE_QT_CONFIGURE_ONLY: not built"; exit 0; }
nice cmake --build "$work/build" --parallel "$(nproc)"
cmake --install "$work/build" >/dev/null
mkdir -p "$(dirname "$archive")"
tar -C "$work/install" --owner=0 --group=0 --numeric-owner -cJf "$archive.partial" qt6
mv "$archive.partial" "$archive"
echo "$archive: sha256 $(sha256sum "$archive" | cut -d ' ' -f 1)"
