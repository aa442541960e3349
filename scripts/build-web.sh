#!/usr/bin/env bash
# Builds Korvane for the browser: the engine compiled to WebAssembly with
# Debian's emscripten and the static site around it.
#   scripts/build-web.sh [build folder]     (build-web/ by default)
# The last line of output is the site folder's path.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
. "$root/scripts/lib/common.sh"
build="$(realpath -m "${1:-$root/build-web}")"
site="$build/site"

read -ra packages <<<"$(korvane_web_packages | tr '\n' ' ')"
korvane_install_packages "${packages[@]}"
# emscripten's optimizer needs Debian's acorn, also under another Node.js.
export NODE_PATH=/usr/share/nodejs

# The identity the page shows, from the one place that defines it.
identity_value() {
  sed -n "s/^set($1 \"\\([^\"]*\\)\".*/\\1/p" "$root/cmake/Identity.cmake"
}
version="$(sed -n 's/^project(korvane VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")"
product="$(identity_value KORVANE_PRODUCT_NAME)"
mkdir -p "$build/generated" "$site"
sed -e "s|@KORVANE_PRODUCT_NAME@|$product|" \
  -e "s|@KORVANE_EXECUTABLE@|korvane|" \
  -e "s|@KORVANE_VERSION@|$version|" \
  -e "s|@KORVANE_CAPTION@|$product v$version|" \
  -e "s|@KORVANE_DESKTOP_ID@|$(sed -n 's/^set(KORVANE_DESKTOP_ID \(.*\))/\1/p' "$root/cmake/Identity.cmake")|" \
  -e "s|@KORVANE_MAIN_SITE_HOST@|${KORVANE_MAIN_SITE_HOST:-$(identity_value KORVANE_MAIN_SITE_HOST)}|" \
  -e "s|@KORVANE_HELP_SITE_HOST@|${KORVANE_HELP_SITE_HOST:-$(identity_value KORVANE_HELP_SITE_HOST)}|" \
  -e "s|@KORVANE_PRODUCT_SITE_HOST@|${KORVANE_PRODUCT_SITE_HOST:-$(identity_value KORVANE_PRODUCT_SITE_HOST)}|" \
  "$root/cmake/korvane_identity.h.in" >"$build/generated/korvane_identity.h.new"
# Rewritten only when it changed, so that an unchanged tree is not rebuilt.
if cmp -s "$build/generated/korvane_identity.h.new" "$build/generated/korvane_identity.h"; then
  rm "$build/generated/korvane_identity.h.new"
else
  mv "$build/generated/korvane_identity.h.new" "$build/generated/korvane_identity.h"
fi

sources=("$root"/engine/*.cpp "$root"/web/*.cpp)
wasm="$build/korvane.wasm"
if [ ! -f "$wasm" ] || [ -n "$(find "${sources[@]}" "$root"/engine/*.h "$root"/web/*.h \
  "$build/generated/korvane_identity.h" -newer "$wasm" 2>/dev/null)" ]; then
  echo "Compiling the engine to WebAssembly" >&2
  em++ -std=c++20 -Oz -fno-exceptions -fno-rtti \
    -I"$root/engine" -I"$root/web" -I"$build/generated" "${sources[@]}" \
    --no-entry -sSTANDALONE_WASM -sALLOW_MEMORY_GROWTH=1 \
    -sEXPORTED_FUNCTIONS=_korvane_name_buffer,_korvane_refer_buffer,_korvane_page,_korvane_check,_korvane_reading,_korvane_refer \
    -o "$build/korvane-new.wasm"
  mv "$build/korvane-new.wasm" "$wasm"
fi

rm -rf "$site"
mkdir -p "$site"
cp "$wasm" "$site/korvane.wasm"
cp "$root/data/icons/korvane-32.png" "$root/data/icons/korvane-256.png" \
  "$root/data/icons/korvane.svg" "$site/"
node "$root/web/render-site.mjs" "$root/web" "$site"
echo "$site"
