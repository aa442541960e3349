#!/usr/bin/env bash
# Where Korvane's start-up goes, against the bare Qt baseline:
#
#   bench/profile.sh
#
# Needs valgrind and strace (apt-get install valgrind strace) and the tools
# bench/run.sh builds (it builds them when they are missing). On a private
# Xvfb, each program runs once under callgrind, split at the moment its
# window is mapped (QXcbWindow::show) and at its first frame (the first
# xcb_shm_put_image or xcb_copy_area), and once under strace. Prints
#   - the instructions executed before the window is mapped, from then to
#     the first frame, and after it,
#   - the inclusive instruction counts of the start-up steps in the first
#     two parts,
#   - the files one program touches and the other does not.
# Instruction counts do not depend on the machine's load, unlike times.
set -euo pipefail
shopt -s inherit_errexit

bench="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$bench/.." && pwd)"
. "$root/scripts/lib/common.sh"
build="${KORVANE_BENCH_BUILD:-$root/build-bench}"
for tool in valgrind callgrind_annotate strace Xvfb; do
  command -v "$tool" >/dev/null || { echo "profile.sh needs $tool (apt-get install valgrind strace xvfb)"; exit 1; }
done
if [ ! -x "$build/xwait" ] || [ ! -x "$build/korvane-build/korvane" ] || [ ! -x "$build/qt_baseline" ]; then
  cmake -S "$bench" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" --parallel "$(nproc)" >/dev/null
fi
program="${KORVANE_BENCH_PROGRAM:-$build/korvane-build/korvane}"
baseline="$build/qt_baseline"

korvane_load_identity "$build/korvane-build"

work="$(mktemp -d)"
trap 'korvane_stop_xvfb; rm -rf "$work"' EXIT
korvane_start_xvfb "$work"
display="$DISPLAY"

# Same clean environment as bench/run.sh; KORVANE_CONF is copied in as the
# settings file, KEEP_CONFIG_TO receives the settings afterwards.
run_isolated() {
  local dir status=0
  dir="$(mktemp -d "$work/run.XXXXXX")"
  mkdir -p "$dir/home" "$dir/config" "$dir/cache" "$dir/data" "$dir/runtime"
  chmod 700 "$dir/runtime"
  [ -n "${KORVANE_CONF:-}" ] && cp "$KORVANE_CONF" "$dir/config/korvane.conf"
  env -i PATH="/usr/local/bin:/usr/bin:/bin" DISPLAY="$display" LANG=C.UTF-8 \
    QT_QPA_PLATFORM=xcb HOME="$dir/home" XDG_CONFIG_HOME="$dir/config" \
    XDG_CACHE_HOME="$dir/cache" XDG_DATA_HOME="$dir/data" XDG_RUNTIME_DIR="$dir/runtime" \
    "$@" || status=$?
  [ -n "${KEEP_CONFIG_TO:-}" ] && cp -r "$dir/config/." "$KEEP_CONFIG_TO/"
  rm -rf "$dir"
  return $status
}

mkdir -p "$work/seed"
KEEP_CONFIG_TO="$work/seed" run_isolated "$build/xwait" --title "$KORVANE_CAPTION" \
  --rss-after-ms 100 -- "$program" >/dev/null
conf="$work/seed/korvane.conf"
[ -s "$conf" ] || { echo "The first run of Korvane stored no settings"; exit 1; }

profile() { # profile NAME TITLE PROGRAM [settings]
  local out="$work/cg.$1"
  # Under callgrind the program runs many times slower: it is given 5 s
  # after its window became viewable to paint and settle.
  KORVANE_CONF="${4:-}" run_isolated "$build/xwait" --title "$2" --timeout-ms 120000 \
    --rss-after-ms 5000 -- valgrind --tool=callgrind --callgrind-out-file="$out" \
    --dump-instr=no "--dump-before=QXcbWindow::show()" --dump-before=xcb_shm_put_image \
    --dump-before=xcb_copy_area "$3" >/dev/null 2>&1
  # callgrind writes the part up to the mapping as $out.1, the part up to
  # the first frame as $out.2, every later frame's part as $out.3 and on,
  # and what is left when the program ends as $out.
  if [ ! -s "$out.1" ] || [ ! -s "$out.2" ] || [ ! -s "$out" ] ||
    ! grep -q '^desc: Trigger: .*QXcbWindow::show' "$out.1"; then
    echo "callgrind wrote no profile for $1, or not in the order mapping, first frame"
    exit 1
  fi
}
echo "Profiling under callgrind on Xvfb $display ..."
profile korvane "$KORVANE_CAPTION" "$program" "$conf"
profile baseline "Qt baseline" "$baseline"

summary() { sed -n 's/^summary: //p' "$1" | head -n 1; }
inclusive() { # inclusive FILE PATTERN -> instructions of the first matching function
  callgrind_annotate --inclusive=yes --threshold=100 "$1" 2>/dev/null |
    grep -F -- "$2" | head -n 1 | awk '{ gsub(",", "", $1); print $1 }'
}
mi() { awk -v n="${1:-0}" 'BEGIN { if (n == "") n = 0; printf "%9.1f M", n / 1e6 }'; }

echo
printf '%-58s %12s %12s\n' "Instructions (callgrind)" "Korvane" "Baseline"
printf '%-58s %12s %12s\n' "before the window is mapped" "$(mi "$(summary "$work/cg.korvane.1")")" \
  "$(mi "$(summary "$work/cg.baseline.1")")"
printf '%-58s %12s %12s\n' "from then to the first frame" "$(mi "$(summary "$work/cg.korvane.2")")" \
  "$(mi "$(summary "$work/cg.baseline.2")")"
later() { # later NAME -> instructions after the first frame
  local total=0 part
  for part in "$work/cg.$1" "$work/cg.$1".[3-9] "$work/cg.$1".[1-9][0-9]; do
    [ -s "$part" ] && total=$((total + $(summary "$part")))
  done
  echo "$total"
}
printf '%-58s %12s %12s\n' "after it (5 s under callgrind)" "$(mi "$(later korvane)")" "$(mi "$(later baseline)")"
echo
echo "Inclusive instructions before the window is mapped:"
for step in "QApplication::QApplication(" "korvane::ProgramIcon()" "QPixmapIconEngine::addFile(" \
  "QXcbWindow::setWindowIcon(" "korvane::frmMain::frmMain()" "korvane::FitWrappedLabels(" \
  "korvane::frmMain::LoadLists()" "korvane::frmMain::BuildMenus()" "korvane::frmMain::ShowCentred()" \
  "QFontDatabasePrivate::ensureFontDatabase()" "QFontDatabasePrivate::loadEngine(" \
  "QFontconfigDatabase::fallbacksForFamily(" "korvane::CheckUpdateReminder()" \
  "korvane::SingleInstanceGuard::Claim()" "QWidget::show()"; do
  printf '  %-56s %12s %12s\n' "$step" "$(mi "$(inclusive "$work/cg.korvane.1" "$step")")" \
    "$(mi "$(inclusive "$work/cg.baseline.1" "$step")")"
done

echo
echo "Inclusive instructions from the mapping to the first frame:"
for step in "korvane::frmMain::ShowCentred()" "korvane::FitWrappedLabels(" "korvane::CoBrand_Randomize()" \
  "QWidgetRepaintManager::paintAndFlush()" "QLabel::paintEvent(" "QFusionStyle::drawPrimitive(" \
  "QFusionStyle::drawComplexControl(" "QFontDatabasePrivate::load(" "QTextEngine::shape(int)" \
  "FT_Load_Glyph" "QImageReader::read()"; do
  printf '  %-56s %12s %12s\n' "$step" "$(mi "$(inclusive "$work/cg.korvane.2" "$step")")" \
    "$(mi "$(inclusive "$work/cg.baseline.2" "$step")")"
done

echo
echo "Files and folders only one of them looks at (strace):"
trace() { # trace NAME TITLE PROGRAM [settings]
  KORVANE_CONF="${4:-}" run_isolated "$build/xwait" --title "$2" --any-pid --timeout-ms 60000 \
    --rss-after-ms 300 -- strace -f -s 512 -e trace=%file -o "$work/strace.$1" "$3" >/dev/null
  grep -oE '"[^"]*"' "$work/strace.$1" | tr -d '"' | grep '^/' |
    sed -E "s#^$work/run\.[A-Za-z0-9]+#<fresh dir>#; s#^$build(/korvane-build)?#<program dir>#; s#^/proc/[0-9]+/#/proc/<pid>/#" |
    grep -vE '^<program dir>/(korvane|qt_baseline)$' | sort -u >"$work/files.$1"
}
trace korvane "$KORVANE_CAPTION" "$program" "$conf"
trace baseline "Qt baseline" "$baseline"
comm -23 "$work/files.korvane" "$work/files.baseline" | sed 's/^/  Korvane only:  /'
comm -13 "$work/files.korvane" "$work/files.baseline" | sed 's/^/  baseline only: /'
