#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop reads
# from it: the menu entry, the software-centre metadata, the icons and the
# manual page, all carrying the identity the build was configured with.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/../../scripts/lib/common.sh"
build="$1"
korvane_load_identity "$build"
prefix="$build/install-check"
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
id="$KORVANE_DESKTOP_ID"

test -x "$prefix/bin/$KORVANE_EXECUTABLE"
desktop="$prefix/share/applications/$id.desktop"
output="$(desktop-file-validate "$desktop" 2>&1)" ||
  { echo "desktop-file-validate failed: $output"; exit 1; }
[ -z "$output" ] || { echo "desktop-file-validate warned: $output"; exit 1; }
grep -qx "Exec=$KORVANE_EXECUTABLE" "$desktop"
grep -qx "Icon=$id" "$desktop"

metainfo="$prefix/share/metainfo/$id.metainfo.xml"
appstreamcli validate --no-net --pedantic "$metainfo"
grep -q "<id>$id</id>" "$metainfo"
grep -q "<release version=\"$KORVANE_VERSION\"" "$metainfo"
grep -q "<url type=\"homepage\">https://$KORVANE_PRODUCT_SITE_HOST/</url>" "$metainfo" ||
  { echo "the metainfo's home page is not on $KORVANE_PRODUCT_SITE_HOST"; exit 1; }
grep -q "https://$KORVANE_HELP_SITE_HOST/donate.html" "$metainfo"
# Both speak every language of the catalogues.
for po in "$here"/../../i18n/*.po; do
  code="$(basename "$po" .po)"
  [ "$code" = en ] && continue
  grep -q "^Comment\[$code\]=" "$desktop" || { echo "the menu entry has no $code"; exit 1; }
  grep -q "<summary xml:lang=\"$code\">" "$metainfo" || { echo "the metainfo has no $code"; exit 1; }
done

test -f "$prefix/share/icons/hicolor/scalable/apps/$id.svg"
for size in 16 24 32 48 64 128 256; do
  test -f "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
done

man_page="$prefix/share/man/man1/$KORVANE_EXECUTABLE.1.gz"
warnings="$(zcat "$man_page" | LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l - 2>&1 >/dev/null)"
[ -z "$warnings" ] || { echo "the manual page has faults: $warnings"; exit 1; }
zcat "$man_page" | grep -q "$KORVANE_MAIN_SITE_HOST"
zcat "$prefix/share/doc/korvane/changelog.gz" | head -n 1 | grep -q "($KORVANE_VERSION)"
grep -q "^License: MIT" "$prefix/share/doc/korvane/copyright"
rm -rf "$prefix"
echo "installed tree is valid"
