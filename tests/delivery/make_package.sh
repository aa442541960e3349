#!/usr/bin/env bash
# Writes the Debian package of a configured and built folder into its
# package/ subfolder, and checks that the package says what it needs: a
# package without computed dependencies installs but cannot start.
#   make_package.sh BUILD
set -euo pipefail
repo="$(cd "$(dirname "$0")/../.." && pwd)"
. "$repo/scripts/lib/reproducible.sh"
# As scripts/package.sh makes it, so that the reproducibility check can
# compare the two.
korvane_reproducible_environment "$repo"
build="$1"
out="$build/package"
rm -rf "$out"
mkdir -p "$out"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log"; echo "FAILED: cpack"; exit 1; }
rm -rf "$out/_CPack_Packages"
debs=("$out"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAILED: expected one .deb in $out"; exit 1; }
deb="${debs[0]}"
depends="$(dpkg-deb --field "$deb" Depends)"
echo "$(basename "$deb"): Depends: $depends"
# Debian 13 renamed the Qt libraries for 64-bit time ("t64"): libqt6core6t64
# is libqt6core6 there.
for library in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6; do
  tr ',' '\n' <<<"$depends" | awk '{ print $1 }' | grep -qEx "${library//+/\\+}(t64)?" ||
    { echo "FAILED: the package does not depend on $library"; exit 1; }
done
# Installed binaries are stripped: no debugging sections left.
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/bin/korvane >"$out/korvane.unpacked"
if readelf -S "$out/korvane.unpacked" | grep -qE '\.(debug_info|symtab)'; then
  echo "FAILED: /usr/bin/korvane in the package is not stripped"
  exit 1
fi
rm -f "$out/korvane.unpacked"
echo "package ok: $deb"
