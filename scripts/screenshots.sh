#!/usr/bin/env bash
# Makes the README's screenshots from the real program on a private X server:
#   [LANGUAGE=zh_CN] [KORVANE_BIRTH="4 2 1975 female"] scripts/screenshots.sh [scale] [output folder] [default|dark]
# The scale is QT_SCALE_FACTOR (1 by default); the folder defaults to docs/.
# "dark" runs the program as a GNOME user in dark mode meets it: Qt's GTK
# platform theme (Debian package qt6-gtk-platformtheme) with Adwaita:dark.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
. "$root/scripts/lib/common.sh"
scale="${1:-1}"
out="${2:-$root/docs}"
theme="${3:-default}"

if [ -z "${KORVANE_SCREENSHOT_INNER:-}" ]; then
  "$root/scripts/install-dependencies.sh"
  korvane_install_packages imagemagick qt6-gtk-platformtheme
  cmake -S "$root" -B "$root/build" >/dev/null
  cmake --build "$root/build" --parallel "$(nproc)" --target korvane
  mkdir -p "$out"
  KORVANE_SCREENSHOT_INNER=1 exec xvfb-run -a -s "-screen 0 1600x1200x24" "$0" "$scale" "$out" "$theme"
fi

korvane_load_identity "$root/build"
work="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/runtime" "$work/bin"
chmod 700 "$work/runtime"
printf '#!/bin/sh\nexit 0\n' > "$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
export PATH="$work/bin:$PATH" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" LC_ALL=C.UTF-8
if [ "$theme" = dark ]; then
  export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
else
  unset QT_QPA_PLATFORMTHEME GTK_THEME
fi

# The language the program takes from LANGUAGE: its catalogue gives the
# access keys to press and the order of the date lists.
language="${LANGUAGE:-en}"
korvane_use_catalogue "$root" "$language"
date_order="$(korvane_date_order)"

openbox >/dev/null 2>&1 &
sleep 0.5

# The visible program window whose client area has the given logical width.
window_of_width() {
  local width
  width=$(awk -v w="$1" -v s="$scale" 'BEGIN { printf "%d", w * s + 0.5 }')
  korvane_wait_for_window "^$KORVANE_CAPTION\$" "$width" || { echo "no window $1 wide" >&2; return 1; }
}

shoot() {
  sleep 0.6
  import -frame -window "$1" "$out/$2.png"
  echo "wrote $out/$2.png"
}

"$root/build/korvane" &
main=$(window_of_width 488)
xdotool windowactivate --sync "$main" 2>/dev/null || true
korvane_type_birth_details "$date_order"
xdotool key Tab
shoot "$main" birth-details

xdotool key "alt+$(korvane_access_key menu.help)" && sleep 0.3 && xdotool key "$(korvane_access_key menu.about)"
about=$(window_of_width 399)
shoot "$about" about
xdotool key Escape
sleep 0.3

xdotool key "alt+$(korvane_access_key birth.proceed)"
result=$(window_of_width 521)
shoot "$result" result-astrology
xdotool key ctrl+Tab
shoot "$result" result-feng-shui
xdotool key ctrl+Tab
shoot "$result" result-elements

xdotool key "alt+$(korvane_access_key menu.file)" && sleep 0.3 && xdotool key "$(korvane_access_key command.exit)"
nag=$(window_of_width 741)
shoot "$nag" exit-promotion
xdotool key Return
