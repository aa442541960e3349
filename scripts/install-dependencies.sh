#!/usr/bin/env bash
# Installs what building, running and testing Korvane need on Debian or
# Ubuntu, and nothing when everything is already there.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  fonts-dejavu-core
  xvfb xauth x11-utils xdotool openbox
  qt6-gtk-platformtheme
  desktop-file-utils appstream
  clang libclang-rt-dev clang-format
  valgrind
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
