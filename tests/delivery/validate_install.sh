#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop reads
# from it: the menu entry, the software-centre metadata and the icons.
set -euo pipefail
build="$1"
prefix="$build/install-check"
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

test -x "$prefix/bin/korvane"
desktop-file-validate "$prefix/share/applications/com.quillory.korvane.desktop"
output="$(desktop-file-validate "$prefix/share/applications/com.quillory.korvane.desktop" 2>&1)"
if [ -n "$output" ]; then
  echo "desktop-file-validate warned: $output"
  exit 1
fi
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/com.quillory.korvane.metainfo.xml"
test -f "$prefix/share/icons/hicolor/scalable/apps/com.quillory.korvane.svg"
for size in 16 24 32 48 64 128 256; do
  test -f "$prefix/share/icons/hicolor/${size}x${size}/apps/com.quillory.korvane.png"
done
echo "installed tree is valid"
