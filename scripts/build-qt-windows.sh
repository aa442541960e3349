#!/usr/bin/env bash
# Builds Qt 6.4.2 (base module) for 64-bit Windows with MinGW-w64 from Debian's
# own qt6-base source package, so that it matches the host's moc, rcc and uic:
# shared, release; Core, Gui, Widgets, Test; the windows, offscreen and minimal
# platform plugins; the Windows styles.
#   build-qt-windows.sh PREFIX
# About 45 minutes on 2 cores. The packages it needs are installed by
# build-windows.sh, which calls it when its cache holds no Qt yet.
set -euo pipefail
prefix=$(realpath -m "$1")
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc)"
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
(cd "$work/src" && apt-get "${apt_src[@]}" source --download-only qt6-base=6.4.2+dfsg-10 >/dev/null 2>&1 ||
   apt-get "${apt_src[@]}" source --download-only qt6-base >/dev/null)
tar -xJf "$work"/src/qt6-base_6.4.2*.orig.tar.xz -C "$work/src"
src="$work/src/qtbase-everywhere-src-6.4.2"

# Qt 6.4.2 does not build with OpenGL and Direct2D switched off without two
# fixes: the Windows plugin then still reaches for dynamic OpenGL, and it
# creates a DirectWrite font database that is not built (GDI's is used).
sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
  "$src/src/plugins/platforms/windows/qwindowswindow.cpp"
sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
  "$src/src/plugins/platforms/windows/qwindowsintegration.cpp"

# Debian's source has no wintab, hence no tablet events.
cmake -G Ninja -S "$src" -B "$work/build" \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF \
  -DFEATURE_gui=ON -DFEATURE_widgets=ON -DFEATURE_testlib=ON \
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF \
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
  -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_direct2d=OFF \
  -DFEATURE_tabletevent=OFF -DFEATURE_jpeg=OFF \
  -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_pkg_config=OFF \
  -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF \
  -DFEATURE_system_libb2=OFF -DFEATURE_system_textmarkdownreader=OFF
cmake --build "$work/build" --parallel "$jobs"
cmake --install "$work/build"
