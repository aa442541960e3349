#!/usr/bin/env bash
# The portable zip as a user unpacks it: the program with the Qt it was built
# for, the plugins that Qt's deployment tool (windeployqt) brings for Core,
# Gui and Widgets, and the MinGW runtime, nothing more; and every program
# file in it imports only DLLs of the folder itself or of Windows.
#   portable_folder.sh BUILD   (build-windows/build: its zip is in ../package)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
. "$root/scripts/lib/common.sh"
. "$root/scripts/lib/debian_root.sh"
. "$root/scripts/lib/windows.sh"
build="$(realpath "$1")"
korvane_load_identity "$build"
zip="$build/../package/$KORVANE_EXECUTABLE-$KORVANE_VERSION-win64.zip"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$zip" -d "$work"
folder="$work/$KORVANE_EXECUTABLE-$KORVANE_VERSION-win64"
status=0
fail() {
  echo "FAILED: $*"
  status=1
}

expected="Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll imageformats/qgif.dll imageformats/qico.dll
$KORVANE_EXECUTABLE.exe libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll
platforms/qwindows.dll styles/qmodernwindowsstyle.dll
translations/qtbase_es.qm translations/qtbase_zh_CN.qm translations/qtbase_zh_TW.qm"
expected="$(tr ' ' '\n' <<<"$expected" | LC_ALL=C sort)"
actual="$(cd "$folder" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)"
[ "$actual" = "$expected" ] ||
  fail "the portable folder differs from what it should hold (< missing, > extra): $(diff <(echo "$expected") <(echo "$actual") || true)"

version="$(x86_64-w64-mingw32-strings -el "$folder/Qt6Core.dll" | grep -A1 -x FileVersion | tail -n 1)"
[ "$version" = "$KORVANE_QT_WINDOWS_VERSION.0" ] || fail "Qt6Core.dll is version '$version'"

# Windows' own DLLs that the program and Qt import, all part of Windows 10.
windows_dlls=" advapi32 authz comdlg32 d3d9 d3d11 d3d12 dwmapi dwrite dxgi gdi32 imm32 kernel32
mpr msvcrt netapi32 ole32 oleaut32 setupapi shcore shell32 shlwapi user32 userenv uxtheme
version winmm ws2_32 wtsapi32 "
windows_dlls="$(tr '\n' ' ' <<<"$windows_dlls")"
while IFS= read -r file; do
  while IFS= read -r dll; do
    name="${dll,,}"
    name="${name%.dll}"
    # The loader finds the folder's own DLLs beside the executable.
    [ -f "$folder/$dll" ] && continue
    [[ "$windows_dlls" == *" $name "* || "$name" == api-ms-win-* ]] && continue
    fail "${file#"$folder"/} imports $dll, which is neither in the folder nor part of Windows"
  done < <(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^[[:space:]]*DLL Name: //p')
done < <(find "$folder" -name '*.exe' -o -name '*.dll')

[ "$status" -eq 0 ] && echo "portable folder: Qt $version, $(wc -l <<<"$actual") files, only its own and Windows' DLLs imported"
exit "$status"
