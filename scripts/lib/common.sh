# Helpers shared by the scripts, the shell tests and the benchmark.
# shellcheck shell=bash
# Source it:  . "$root/scripts/lib/common.sh"
# Nothing here ends a process it was not handed by id.

# --- Packages -------------------------------------------------------------

# Building and running: a compiler, CMake, Qt 6, a font, one with Chinese
# characters, Qt's own translations, and Python's polib, with which the
# language catalogues are read.
KORVANE_BUILD_PACKAGES=(cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
  fonts-dejavu-core fonts-wqy-microhei qt6-translations-l10n python3-polib)
# The tests: X servers and window tools, the desktop-file and metainfo
# checkers, clang with its sanitizers and llvm-symbolizer for their reports,
# the formatting check, valgrind for the start-up instruction count, Qt's GTK
# theme for the dark-theme test, the package checks (lintian, a fresh
# Debian root), diffoscope, which shows how two builds that should be the
# same differ, gettext's msgfmt for the catalogues' check, NSIS for the
# Windows installer's script and poppler's pdftotext, which reads a saved
# reading back.
KORVANE_TEST_PACKAGES=(xvfb xauth x11-utils xdotool openbox desktop-file-utils appstream
  clang libclang-rt-dev llvm clang-format valgrind qt6-gtk-platformtheme lintian debootstrap
  poppler-utils diffoscope-minimal gettext nsis)
# Writing the Debian package with its computed dependencies.
KORVANE_PACKAGING_PACKAGES=(file dpkg-dev)
# Cross-building for Windows on Debian 13 (Qt 6.8's host tools, MinGW-w64
# GCC 14, polib for the catalogues), its installer, and running both under
# Wine on a private X server with a window manager (screenshots by
# ImageMagick); Wine takes its fonts from the system, where a Chinese font
# stands in for Windows' own. scripts/build-windows.sh installs them inside a
# Debian 13 root, or on Debian 13 itself with --here.
KORVANE_WINDOWS_PACKAGES=(cmake ninja-build xz-utils zip unzip nsis
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n python3-polib
  wine wine64 fonts-dejavu-core fonts-wqy-microhei
  xvfb xauth x11-utils xdotool openbox imagemagick locales)
# Wine makes Windows' display language and user locale from LANG only when
# the system has that locale; otherwise it is English (United States). One
# locale for each catalogue, generated with the packages above; the first
# whose name begins with a catalogue's code stands for that catalogue.
KORVANE_WINDOWS_LOCALES=(en_US.UTF-8 es_ES.UTF-8 es_MX.UTF-8 vi_VN.UTF-8 zh_CN.UTF-8 zh_TW.UTF-8)
# Korvane in the browser: the WebAssembly compiler, polib for the catalogues
# and Node.js with npm for the build step (a Node.js that did not come from
# Debian is kept); for its tests the two browsers they drive, the PDF tools
# that read a printed page, and the native compiler for the engine the page
# is compared with.
KORVANE_WEB_PACKAGES=(emscripten node-acorn python3-polib nodejs npm)
KORVANE_WEB_TEST_PACKAGES=(chromium firefox-esr fonts-dejavu-core fonts-wqy-microhei poppler-utils
  g++ cmake make python3-polib)

# The web packages that are missing, leaving out Node.js and npm when their
# commands are already there (a Node.js from elsewhere brings its own npm).
korvane_web_packages() {
  local package
  for package in "${KORVANE_WEB_PACKAGES[@]}"; do
    case "$package" in
      nodejs) command -v node >/dev/null && continue ;;
      npm) command -v npm >/dev/null && continue ;;
    esac
    echo "$package"
  done
}

# Builds the web page into the build folder (scripts/build-web.sh, which the
# further arguments go to) and installs the browser tests' packages and their
# pinned npm tools, again only when the lock file changed; prints the site
# folder. Shared by tests/web/run.sh and bench/web.sh.
#   korvane_prepare_web_tests BUILD [-DVARIABLE=VALUE ...]
korvane_prepare_web_tests() {
  local build="$1" top site
  shift
  top="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
  # Called inside $(...), where set -e does not hold: each step says its failure.
  korvane_install_packages "${KORVANE_WEB_TEST_PACKAGES[@]}" >&2 || return 1
  site="$("$top/scripts/build-web.sh" "$build" "$@" | tail -n 1)" || return 1
  [ -d "$site" ] || return 1
  local tools="$top/tests/web"
  if [ ! -f "$tools/node_modules/.package-lock.json" ] ||
    [ "$tools/package-lock.json" -nt "$tools/node_modules/.package-lock.json" ]; then
    (cd "$tools" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --ignore-scripts --no-audit --no-fund) >&2 || return 1
  fi
  echo "$site"
}

# Puts the lines of the text into the array named first, none for an empty
# text. Capture a command's output into a variable first (list="$(command)"),
# so that a failing command fails the script; read -a <<<"$(command)" would
# hide it.
#   korvane_lines ARRAY_NAME TEXT
# shellcheck disable=SC2034 # it fills the caller's array, by name
korvane_lines() {
  local -n korvane_lines_into="$1"
  korvane_lines_into=()
  [ -z "$2" ] || mapfile -t korvane_lines_into <<<"$2"
}

# Prints the packages among the arguments that are not installed.
korvane_missing_packages() {
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      echo "$package"
    fi
  done
}

# Debian roots share one download cache, mounted as their
# /var/cache/apt/archives; apt gives up at once when another root's apt holds
# that folder's lock. Installs take turns on a lock of their own beside it.
KORVANE_APT_TURN=(flock -w 1800 /var/cache/apt/archives/korvane.lock)

# Installs the packages among the arguments that are missing, as root or
# through sudo; does nothing when all are there.
korvane_install_packages() {
  local list missing
  list="$(korvane_missing_packages "$@")" || return 1
  korvane_lines missing "$list"
  [ ${#missing[@]} -eq 0 ] && return 0
  local as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "Korvane needs these packages; as root, run: apt-get install ${missing[*]}" >&2
      return 1
    fi
    as_root=(sudo)
  fi
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" "${KORVANE_APT_TURN[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get -o DPkg::Lock::Timeout=600 update -qq
  "${as_root[@]}" "${KORVANE_APT_TURN[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
}

# Succeeds when the locale (such as zh_CN.UTF-8) is there, in UTF-8.
korvane_has_locale() {
  [ "$(LC_ALL="$1" locale charmap 2>/dev/null)" = UTF-8 ]
}

# Generates the locales among the arguments that the system lacks, as root or
# through sudo: it enables them in /etc/locale.gen (the locales package, where
# some are named without ".UTF-8") and runs locale-gen. Does nothing when all
# are there.
korvane_generate_locales() {
  local locale missing=()
  for locale in "$@"; do
    korvane_has_locale "$locale" || missing+=("$locale")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null ||
      { echo "Korvane needs these locales; as root, generate them: ${missing[*]}" >&2 && return 1; }
    as_root=(sudo)
  fi
  echo "Generating locales: ${missing[*]}"
  for locale in "${missing[@]}"; do
    "${as_root[@]}" sed -i "s/^# *\(${locale%%.*}\(\.UTF-8\)\? UTF-8\)\$/\\1/" /etc/locale.gen
  done
  "${as_root[@]}" locale-gen >/dev/null
  for locale in "${missing[@]}"; do
    korvane_has_locale "$locale" || { echo "locale-gen made no $locale" >&2 && return 1; }
  done
}

# --- Identity ---------------------------------------------------------------

# Reads the program's identity (KORVANE_VERSION, KORVANE_DESKTOP_ID,
# KORVANE_CAPTION, ...) that CMake wrote into a configured build folder:
# the argument is that folder or the korvane-identity.sh file in it.
korvane_load_identity() {
  local file="$1"
  [ -d "$file" ] && file="$file/korvane-identity.sh"
  if [ ! -f "$file" ]; then
    echo "no $file: configure the build folder with cmake first" >&2
    return 1
  fi
  # shellcheck source=/dev/null
  . "$file"
}

# --- A private X server -------------------------------------------------------

# Starts Xvfb on a display number that the server itself finds free
# (-displayfd: no server on this machine or in any of its roots has it, as
# they all share one namespace of abstract sockets) and exports DISPLAY; the
# server's process id is left in KORVANE_XVFB_PID for korvane_stop_xvfb,
# which ends that server alone. The first argument is a folder for the
# server's notes (a temporary folder), the second the screen's size
# (1280x1024x24 by default).
# As root, the server's socket lies in NOTES/x11, a folder nothing else
# uses, rather than in the shared /tmp/.X11-unix, where another server or
# anything in a root that sees it could remove or replace it. Programs here
# reach the server by its abstract socket; a root gets the socket itself
# (KORVANE_XVFB_SOCKET, in_root.sh --x11).
korvane_start_xvfb() {
  local notes="$1" screen="${2:-1280x1024x24}" sockets=/tmp/.X11-unix _
  local server=(Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp)
  if [ "$(id -u)" -eq 0 ] && command -v mount >/dev/null && unshare --mount --propagation private true 2>/dev/null; then
    sockets="$notes/x11"
    mkdir -p "$sockets"
    chmod 1777 "$sockets"
    [ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix
    # The server sees its own folder as /tmp/.X11-unix (unshare and bash
    # become Xvfb, so its id is the one started here).
    # shellcheck disable=SC2016 # expanded by that bash
    server=(unshare --mount --propagation private
      bash -c 'mount --bind "$1" /tmp/.X11-unix && shift && exec "$@"' xvfb "$sockets" "${server[@]}")
  fi
  "${server[@]}" 3>"$notes/xvfb.display" >"$notes/xvfb.log" 2>&1 &
  KORVANE_XVFB_PID=$!
  # Up to 30 s on a busy machine; at once when the server ends.
  for _ in $(seq 1 300); do
    [ -s "$notes/xvfb.display" ] && break
    kill -0 "$KORVANE_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  if [ ! -s "$notes/xvfb.display" ]; then
    echo "Xvfb did not start:" >&2
    cat "$notes/xvfb.log" >&2
    korvane_stop_xvfb
    return 1
  fi
  DISPLAY=":$(head -n 1 "$notes/xvfb.display")"
  KORVANE_XVFB_SOCKET="$sockets/X${DISPLAY#:}"
  export DISPLAY KORVANE_XVFB_SOCKET
}

# Ends the server that korvane_start_xvfb started, by its id.
korvane_stop_xvfb() {
  if [ -n "${KORVANE_XVFB_PID:-}" ]; then
    kill "$KORVANE_XVFB_PID" 2>/dev/null || true
    wait "$KORVANE_XVFB_PID" 2>/dev/null || true
    KORVANE_XVFB_PID=""
  fi
}

# Prints the socket of the X server in DISPLAY: the one korvane_start_xvfb
# started, or else the one in /tmp/.X11-unix. Fails when there is none.
korvane_display_socket() {
  local number="${DISPLAY:-}"
  number="${number#*:}"
  number="${number%%.*}"
  local socket="/tmp/.X11-unix/X$number"
  [ "${KORVANE_XVFB_SOCKET:-}" = "${KORVANE_XVFB_SOCKET%/*}/X$number" ] && socket="$KORVANE_XVFB_SOCKET"
  [ -n "$number" ] && [ -S "$socket" ] || return 1
  echo "$socket"
}

# --- Windows -------------------------------------------------------------------

# Prints the ids of the visible windows whose title matches the pattern and,
# when a width is given, whose client area is that many pixels wide.
korvane_windows() {
  local pattern="$1" width="${2:-}" id
  for id in $(xdotool search --onlyvisible --name "$pattern" 2>/dev/null); do
    if [ -z "$width" ] || xwininfo -id "$id" 2>/dev/null | grep -q "Width: $width\$"; then
      echo "$id"
    fi
  done
}

# Prints the id of a visible window with exactly this title. Wine's titles
# with characters beyond Latin-1 are found this way, not by xdotool's search,
# which reads them as Latin-1 with "?" for the rest.
korvane_window_titled() {
  local id
  for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
    [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && echo "$id" && return 0
  done
  return 1
}

# The installer's title in a catalogue's language, as NSIS words it in its
# language file for the catalogue's X-Korvane-NSIS-Language, read by the
# catalogues' reader (English where there is none). Needs the identity
# (korvane_load_identity).
#   korvane_setup_caption ROOT CODE
korvane_setup_caption() {
  local language caption
  language="$("$(korvane_python)" -B "$1/scripts/catalogues/entry.py" "$1/i18n" "$2" --nsis-language)" ||
    return 1
  caption="$(sed -n '/^# ^SetupCaption/{n;s/\r$//;p;q}' "/usr/share/nsis/Contrib/Language files/${language:-English}.nlf")"
  [ -n "$caption" ] || return 1
  echo "${caption//'$(^Name)'/$KORVANE_PRODUCT_NAME}"
}

# Waits up to the given tenths of a second (50 by default) for such a
# window and prints the first one's id; fails when none appears.
korvane_wait_for_window() {
  local pattern="$1" width="${2:-}" tenths="${3:-50}" ids _
  for _ in $(seq 1 "$tenths"); do
    ids="$(korvane_windows "$pattern" "$width")"
    if [ -n "$ids" ]; then
      head -n 1 <<<"$ids"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# --- Waiting instead of sleeping ------------------------------------------------

# Runs the command every tenth of a second until it succeeds, for up to the
# given tenths of a second; fails when it never does.
#   korvane_poll TENTHS COMMAND [ARGUMENT...]
korvane_poll() {
  local tenths="$1" _
  shift
  for _ in $(seq 1 "$tenths"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# Succeeds once a window manager runs on the display (it announces itself
# on the root window).
korvane_window_manager_up() {
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"
}

# Succeeds when no popup (menu) is open.
korvane_no_popups() {
  [ -z "$(korvane_open_popups)" ]
}

# Prints the ids of the open popups: visible windows that no window manager
# frames (override-redirect), as menus are, in Qt under X11 and under Wine;
# a window of a single pixel, as a window manager keeps for itself, is none.
korvane_open_popups() {
  local id
  for id in $(xwininfo -root -children 2>/dev/null | sed -n 's/^ *\(0x[0-9a-f]*\) .*/\1/p'); do
    xwininfo -id "$id" 2>/dev/null | awk -v id="$id" '
      /Width:/ { w = $2 } /Height:/ { h = $2 }
      /Map State: IsViewable/ { viewable = 1 }
      /Override Redirect State: yes/ { popup = 1 }
      END { if (viewable && popup && w > 1 && h > 1) print id }'
  done
  return 0
}

# Succeeds when more popups are open than the given count.
korvane_popups_above() {
  [ "$(korvane_open_popups | wc -l)" -gt "$1" ]
}

# Opens a menu of the focused window by its Alt key and, once the menu is
# open, chooses an entry by its key; then waits up to 10 s for the check
# command to succeed. An entry's key sent before its menu is open would be
# typed into the window instead. When the menu does not open or the check
# never succeeds, Escape closes what is open and it tries again, three times
# in all.
#   korvane_choose_from_menu MENU_KEY ENTRY_KEY CHECK [ARGUMENT...]
korvane_choose_from_menu() {
  local menu="$1" entry="$2" before _
  shift 2
  for _ in 1 2 3; do
    before="$(korvane_open_popups | wc -l)"
    xdotool key "alt+$menu"
    if korvane_poll 50 korvane_popups_above "$before"; then
      xdotool key "$entry"
      korvane_poll 100 "$@" && return 0
    fi
    xdotool key Escape Escape
  done
  return 1
}

# Succeeds when the window has the focus (the window manager's active window).
korvane_is_active() {
  [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]
}

# Activates the window and waits up to 5 s for it to have the focus.
korvane_activate() {
  xdotool windowactivate --sync "$1" 2>/dev/null || true
  korvane_poll 50 korvane_is_active "$1"
}

# Types the birth details of the example reading into the focused birth
# details window by keyboard: Ann Lee, born 15 March 1975 (Pisces, whose car
# colour is yellow).
# The date lists come in the order of the window's language, "day month
# year" unless given; the month is picked by its place, in any language.
korvane_type_birth_details() {
  local part day month year sex
  # KORVANE_BIRTH="DAY MONTH YEAR male|female" picks another birth (the month as a number).
  read -r day month year sex <<<"${KORVANE_BIRTH:-15 3 1975 male}"
  xdotool type --delay 30 "Ann Lee"
  for part in ${1:-day month year}; do
    xdotool key Tab
    case "$part" in
      day) xdotool type "$day" ;;
      month) xdotool key Home $(for ((i = 1; i < month; ++i)); do printf 'Down '; done) ;;
      year) xdotool type "$year" ;;
    esac
  done
  if [ "$sex" = female ]; then
    xdotool key Tab Right
  fi
}

# The catalogue of a language (its code, as LANGUAGE names it), for scripts
# that drive the program by keyboard: English when there is none. Its texts
# are read by the catalogues' one reader (scripts/catalogues/po.py).
#   korvane_use_catalogue ROOT CODE
korvane_use_catalogue() {
  KORVANE_SCRIPT_ROOT="$1"
  KORVANE_SCRIPT_LANGUAGE="${2%%[:.]*}"
  [ -n "${KORVANE_SCRIPT_PYTHON:-}" ] || KORVANE_SCRIPT_PYTHON="$(korvane_python)"
}
# The Python that has polib (a Python of its own on the PATH may lack it).
korvane_python() {
  local python
  for python in $(type -ap python3); do
    "$python" -c "import polib" 2>/dev/null && echo "$python" && return 0
  done
  echo "the catalogues' reader needs Python 3 with polib (Debian: python3-polib)" >&2
  return 1
}
# The shown text of a catalogue entry, by its key (English where untranslated).
korvane_entry_text() {
  "$KORVANE_SCRIPT_PYTHON" -B "$KORVANE_SCRIPT_ROOT/scripts/catalogues/entry.py" "$KORVANE_SCRIPT_ROOT/i18n" \
    "$KORVANE_SCRIPT_LANGUAGE" "$1"
}
# The letter after the "&" of a catalogue entry, in lower case.
korvane_access_key() {
  local text
  text="$(korvane_entry_text "$1")" || return 1
  sed -n 's/.*&\([[:alnum:]]\).*/\1/p' <<<"$text" | tr '[:upper:]' '[:lower:]'
}
# The order of the date lists, as "day month year".
korvane_date_order() {
  korvane_entry_text --date-order
}

# Ends the given processes with SIGKILL and reaps those that are children.
# Never fails, so that it is safe in traps of scripts that use set -e.
korvane_kill() {
  [ $# -eq 0 ] && return 0
  kill -KILL "$@" 2>/dev/null || true
  wait "$@" 2>/dev/null || true
}

# --- scripts/run.sh as a user runs it ------------------------------------------

# Starts scripts/run.sh of the source tree in the background, its output in
# the log, and waits for its work before the program: installing and
# building take what they take on a busy machine, so it waits as long as
# run.sh runs. Succeeds once run.sh has become the program it built (it ends
# with exec), leaving the program's id in KORVANE_RUN_PID; fails when run.sh
# ends before.
#   korvane_start_run_script REPO LOG
korvane_start_run_script() {
  local repo="$1" log="$2" status
  "$repo/scripts/run.sh" >"$log" 2>&1 &
  KORVANE_RUN_PID=$!
  until [[ "$(readlink "/proc/$KORVANE_RUN_PID/exe" 2>/dev/null)" == "$repo/build-run/"* ]]; do
    if ! kill -0 "$KORVANE_RUN_PID" 2>/dev/null; then
      status=0
      wait "$KORVANE_RUN_PID" || status=$?
      tail -n 30 "$log"
      echo "FAILED: scripts/run.sh ended with status $status before starting the program"
      return 1
    fi
    sleep 0.5
  done
}
