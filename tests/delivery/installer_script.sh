#!/usr/bin/env bash
# The Windows installer's script compiles, warnings as errors, with the
# languages and messages written from the catalogues: every language NSIS
# knows by the name the catalogue gives, every message in every language.
# The program's files and identity are stand-ins; scripts/build-windows.sh
# builds the real installer.
#   installer_script.sh PYTHON
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
"$@" "$root/scripts/catalogues/write_outside.py" "$root/i18n" installer "$scratch/languages.nsh"
cat >"$scratch/identity.nsh" <<NSH
!define PRODUCT "Korvane"
!define VERSION "1.0"
!define VERSION_MAJOR "1"
!define VERSION_MINOR "0"
!define PUBLISHER "Quillory"
!define EXE "korvane.exe"
!define ICON "$root/packaging/windows/korvane.ico"
!define SETTINGS_KEY "Software\\korvane"
!define RUNNING_MUTEX "korvane.running"
!define LANGUAGES "$scratch/languages.nsh"
NSH
: >"$scratch/files.nsh"
: >"$scratch/unfiles.nsh"
makensis -WX -V2 -DIDENTITY="$scratch/identity.nsh" -DFILES="$scratch/files.nsh" \
  -DUNFILES="$scratch/unfiles.nsh" -DOUTFILE="$scratch/korvane-setup.exe" \
  "$root/packaging/windows/korvane.nsi"
echo "the installer's script compiles in $(grep -c MUI_LANGUAGE "$scratch/languages.nsh") languages"
