#!/usr/bin/env bash
# Korvane's speed benchmark, in one command:
#
#   bench/run.sh [pairs]
#
# Builds the program (Release, without tests) together with the benchmark's
# own tools in build-bench/, starts a private Xvfb and measures
#   1. the reading engine over every possible input,
#   2. one reading: the click on "Get My Lucky Car Color" to the result
#      window's first frame, timed and counted in instructions (callgrind,
#      bench/reading_instructions.sh),
#   3. start-up: from starting the process to its window being viewable on
#      the X server, Korvane against a bare Qt Widgets main window, in
#      alternation (pairs, 30 by default, after two warm-up pairs),
#   4. resident memory of both, 300 ms after the window became viewable,
#   5. the instructions both execute until their window is mapped and until
#      their first frame goes to the X server (callgrind,
#      bench/startup_instructions.sh): unlike the times, these do not move
#      with the machine's load,
#   6. a long session: 400 readings in one process (bench/reading_soak),
#      with the resident memory after 100 and after 400 readings.
# Prints a table and writes it to bench/results.txt. Exits non-zero when a
# measurement cannot be made; a missed target is reported, not an error.
#
# To compare a change, build it elsewhere and point the start-up and memory
# runs at it (the table then goes to stdout only, results.txt is kept):
#   KORVANE_BENCH_PROGRAM=/path/to/korvane KORVANE_BENCH_PARTS=startup bench/run.sh
# KORVANE_BENCH_PARTS is any of "engine reading startup soak" (all by default).
set -euo pipefail
shopt -s inherit_errexit

bench="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$bench/.." && pwd)"
. "$root/scripts/lib/common.sh"
build="${KORVANE_BENCH_BUILD:-$root/build-bench}"
pairs="${1:-30}"
warm_pairs=2
rss_after_ms=300
engine_repetitions=9
readings=30
reading_warm_up=3
soak_readings=400
soak_from=100
parts=" ${KORVANE_BENCH_PARTS:-engine reading startup soak} "
results="$bench/results.txt"
[ -n "${KORVANE_BENCH_PROGRAM:-}" ] || [ "$parts" != " engine reading startup soak " ] && results=/dev/null
baseline_title="Qt baseline"

# --- What the benchmark needs --------------------------------------------
korvane_install_packages cmake g++ qt6-base-dev libx11-dev xvfb fonts-dejavu-core valgrind

# --- Build -----------------------------------------------------------------
generator=()
command -v ninja >/dev/null && [ ! -f "$build/CMakeCache.txt" ] && generator=(-G Ninja)
echo "Building in $build ..."
mkdir -p "$build"
cmake -S "$bench" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release >"$build/configure.log" 2>&1 ||
  { cat "$build/configure.log"; exit 1; }
cmake --build "$build" --parallel "$(nproc)" >"$build/build.log" 2>&1 ||
  { tail -n 50 "$build/build.log"; exit 1; }
korvane_load_identity "$build/korvane-build"
program_title="$KORVANE_CAPTION"
program="${KORVANE_BENCH_PROGRAM:-$build/korvane-build/korvane}"
qt_version="$(cat "$build/qt_version.txt")"
qt_platform=xcb
baseline="$build/qt_baseline"

# --- A private X server and clean per-run homes ------------------------------
work="$(mktemp -d)"
trap 'korvane_stop_xvfb; rm -rf "$work"' EXIT
korvane_start_xvfb "$work"
display="$DISPLAY"

# Runs a command in a clean environment with fresh, empty home, settings,
# cache and runtime folders (the runtime folder holds Korvane's
# single-instance lock). KORVANE_CONF, when set, is copied in as the
# settings file first.
run_isolated() {
  local dir
  dir="$(mktemp -d "$work/run.XXXXXX")"
  mkdir -p "$dir/home" "$dir/config" "$dir/cache" "$dir/data" "$dir/runtime"
  chmod 700 "$dir/runtime"
  [ -n "${KORVANE_CONF:-}" ] && cp "$KORVANE_CONF" "$dir/config/korvane.conf"
  local status=0
  env -i PATH="/usr/local/bin:/usr/bin:/bin" DISPLAY="$display" LANG=C.UTF-8 \
    QT_QPA_PLATFORM=xcb HOME="$dir/home" XDG_CONFIG_HOME="$dir/config" \
    XDG_CACHE_HOME="$dir/cache" XDG_DATA_HOME="$dir/data" XDG_RUNTIME_DIR="$dir/runtime" \
    "$@" || status=$?
  [ -n "${KEEP_CONFIG_TO:-}" ] && cp -r "$dir/config/." "$KEEP_CONFIG_TO/"
  rm -rf "$dir"
  return $status
}

value() { # value KEY LINE
  tr ' ' '\n' <<<"$2" | sed -n "s/^$1=//p"
}

median() { # numbers on stdin
  sort -g | awk '{ v[NR] = $1 } END {
    if (NR == 0) { print "nan"; exit }
    if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# --- Machine -------------------------------------------------------------------
cpus="$(nproc)"
cpu_model="$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
kernel="$(uname -sr)"
load_before="$(cut -d' ' -f1-3 /proc/loadavg)"

# --- 1. Engine ------------------------------------------------------------------
if [[ $parts == *" engine "* ]]; then
  echo "Engine over every input ..."
  engine_line="$("$build/engine_bench" "$engine_repetitions")"
  engine_ms="$(value engine_ms_median "$engine_line")"
  engine_min="$(value engine_ms_min "$engine_line")"
  engine_inputs="$(value inputs "$engine_line")"
fi

# --- 2. Reading -----------------------------------------------------------------
if [[ $parts == *" reading "* ]]; then
  echo "Reading: click to first frame ..."
  reading_line="$(run_isolated "$build/reading_timer" "$readings" "$reading_warm_up")"
  reading_ms="$(value reading_ms_median "$reading_line")"
  reading_p90="$(value reading_ms_p90 "$reading_line")"
  reading_handoff="$(value handoff_ms_median "$reading_line")"
  reading_first="$(value first_reading_ms "$reading_line")"
  qt_version="$(value qt "$reading_line")"
  qt_platform="$(value platform "$reading_line")"
  echo "Reading: instructions under callgrind ..."
  reading_instr_line="$(DISPLAY="$display" "$bench/reading_instructions.sh" "$build/reading_timer")"
  reading_instr="$(value reading_instructions "$reading_instr_line")"
  reading_instr_readings="$(value readings "$reading_instr_line")"
  reading_instr_warm_up="$(value warm_up "$reading_instr_line")"
fi

# --- 3 and 4. Start-up and memory ------------------------------------------------
if [[ $parts == *" startup "* ]]; then
  # A first run stores the update reminder's date; every measured run starts
  # with a copy of that settings file, as every start after the first does.
  echo "Start-up and memory: $warm_pairs warm-up pairs, then $pairs pairs ..."
  mkdir -p "$work/seed"
  KEEP_CONFIG_TO="$work/seed" run_isolated "$build/xwait" --title "$program_title" \
    --rss-after-ms 100 -- "$program" >/dev/null
  [ -s "$work/seed/korvane.conf" ] || {
    echo "The first run of Korvane stored no settings in korvane.conf"
    exit 1
  }

  measure() { # measure korvane|baseline -> "startup_ms rss_kb rss_anon_kb pss_kb"
    local line
    if [ "$1" = korvane ]; then
      line="$(KORVANE_CONF="$work/seed/korvane.conf" run_isolated "$build/xwait" \
        --title "$program_title" --rss-after-ms "$rss_after_ms" -- "$program")"
    else
      line="$(run_isolated "$build/xwait" --title "$baseline_title" \
        --rss-after-ms "$rss_after_ms" -- "$baseline")"
    fi
    [ -n "$line" ] || { echo "no measurement from $1" >&2; return 1; }
    echo "$(value startup_ms "$line") $(value rss_kb "$line") $(value rss_anon_kb "$line")" \
      "$(value pss_kb "$line")"
  }

  : >"$work/runs"
  for ((i = 0; i < warm_pairs + pairs; i++)); do
    # Which of the two goes first alternates from pair to pair.
    if ((i % 2 == 0)); then order=(korvane baseline); else order=(baseline korvane); fi
    declare -A got=()
    for kind in "${order[@]}"; do
      got[$kind]="$(measure "$kind")"
    done
    if ((i >= warm_pairs)); then
      echo "$((i - warm_pairs + 1)) ${got[korvane]} ${got[baseline]}" >>"$work/runs"
    fi
    unset got
  done
  # Columns: pair, Korvane start-up rss anon pss, baseline start-up rss anon pss.
  col_median() { awk -v c="$1" '{ print $c }' "$work/runs" | median; }
  ratio_median() { awk -v a="$1" -v b="$2" '{ printf "%.6f\n", $a / $b }' "$work/runs" | median; }
  start_k="$(col_median 2)"; start_b="$(col_median 6)"; start_ratio="$(ratio_median 2 6)"
  rss_k="$(col_median 3)"; rss_b="$(col_median 7)"; rss_ratio="$(ratio_median 3 7)"
  anon_k="$(col_median 4)"; anon_b="$(col_median 8)"
  pss_k="$(col_median 5)"; pss_b="$(col_median 9)"
  measured_pairs="$(wc -l <"$work/runs")"

  echo "Start-up instructions under callgrind ..."
  instructions_line="$(DISPLAY="$display" "$bench/startup_instructions.sh" "$program" "$baseline")"
  instr_k="$(value korvane_instructions "$instructions_line")"
  instr_b="$(value baseline_instructions "$instructions_line")"
  instr_ratio="$(value ratio "$instructions_line")"
  frame_k="$(value korvane_frame_instructions "$instructions_line")"
  frame_b="$(value baseline_frame_instructions "$instructions_line")"
  frame_ratio="$(value frame_ratio "$instructions_line")"
fi
# --- 6. A long session --------------------------------------------------------
if [[ $parts == *" soak "* ]]; then
  echo "Long session: $soak_readings readings in one process ..."
  soak_line="$(run_isolated "$build/reading_soak" "$soak_readings" "$soak_from")"
  soak_from_kb="$(value "rss_kb_at_$soak_from" "$soak_line")"
  soak_end_kb="$(value "rss_kb_at_$soak_readings" "$soak_line")"
  soak_heap_from_kb="$(value "heap_kb_at_$soak_from" "$soak_line")"
  soak_heap_end_kb="$(value "heap_kb_at_$soak_readings" "$soak_line")"
  soak_growth_kb=$((soak_end_kb - soak_from_kb))
fi
load_after="$(cut -d' ' -f1-3 /proc/loadavg)"

# --- Table ----------------------------------------------------------------------
met() { # met VALUE OPERATOR LIMIT
  awk -v v="$1" -v l="$3" -v op="$2" 'BEGIN {
    ok = (op == "<") ? (v < l) : (v <= l); print ok ? "yes" : "NO" }'
}
mb() { awk -v k="$1" 'BEGIN { printf "%.1f MB", k / 1024 }'; }
ms() { awk -v m="$1" 'BEGIN { printf "%.1f ms", m }'; }
mi() { awk -v n="$1" 'BEGIN { printf "%.1f M", n / 1e6 }'; }

row() { printf '%-40s %12s %12s %8s %16s %5s\n' "$@"; }
{
  echo "Korvane speed benchmark, $(date -u '+%Y-%m-%d %H:%M UTC')"
  echo "Machine: $cpus CPUs, $cpu_model, $kernel, Qt $qt_version ($qt_platform on Xvfb $display)"
  echo "Program: $program"
  echo "Load average before/after: $load_before / $load_after"
  echo
  row "Measurement (median)" "Korvane" "Baseline" "Ratio" "Target" "Met"
  if [[ $parts == *" engine "* ]]; then
    row "Engine, all $engine_inputs inputs" "$(ms "$engine_ms")" "-" "-" "< 20 ms" \
      "$(met "$engine_ms" "<" 20)"
  fi
  if [[ $parts == *" reading "* ]]; then
    row "Reading, click to first frame" "$(ms "$reading_ms")" "-" "-" "<= 5 ms" \
      "$(met "$reading_ms" "<=" 5)"
    row "Reading, instructions to first frame" "$(mi "$reading_instr")" "-" "-" "-" "-"
  fi
  if [[ $parts == *" startup "* ]]; then
    row "Start-up, exec to viewable window" "$(ms "$start_k")" "$(ms "$start_b")" \
      "$(printf '%.2f' "$start_ratio")" "ratio <= 1.10" "$(met "$start_ratio" "<=" 1.10)"
    row "Resident memory (VmRSS) ${rss_after_ms} ms later" "$(mb "$rss_k")" "$(mb "$rss_b")" \
      "$(printf '%.2f' "$rss_ratio")" "ratio <= 1.05" "$(met "$rss_ratio" "<=" 1.05)"
    row "Start-up instructions, to the mapping" "$(mi "$instr_k")" "$(mi "$instr_b")" \
      "$(printf '%.3f' "$instr_ratio")" "ratio <= 1.05" "$(met "$instr_ratio" "<=" 1.05)"
    row "Start-up instructions, to the first frame" "$(mi "$frame_k")" "$(mi "$frame_b")" \
      "$(printf '%.3f' "$frame_ratio")" "ratio <= 1.15" "$(met "$frame_ratio" "<=" 1.15)"
  fi
  if [[ $parts == *" soak "* ]]; then
    row "Resident memory after $soak_from readings" "$(mb "$soak_from_kb")" "-" "-" "-" "-"
    row "Resident memory after $soak_readings readings" "$(mb "$soak_end_kb")" "-" "-" \
      "<= +1 MB" "$(met "$soak_growth_kb" "<=" 1024)"
  fi
  echo
  if [[ $parts == *" engine "* ]]; then
    echo "Engine: $engine_repetitions timed passes over every input; fastest $(ms "$engine_min")."
  fi
  if [[ $parts == *" reading "* ]]; then
    echo "Reading: $readings readings after $reading_warm_up warm-up; 90th percentile $(ms "$reading_p90");" \
      "click handled (result window built and shown) $(ms "$reading_handoff");" \
      "first reading of the process $(ms "$reading_first");" \
      "instructions counted by callgrind over $reading_instr_readings readings after" \
      "$reading_instr_warm_up warm-up."
  fi
  if [[ $parts == *" soak "* ]]; then
    echo "Long session: readings by bench/reading_soak (name typed, date and sex chosen, Get, Back)" \
      "in one process; resident memory grew by $soak_growth_kb kB from reading $soak_from to" \
      "$soak_readings; heap in use $soak_heap_from_kb kB, then $soak_heap_end_kb kB."
  fi
  if [[ $parts == *" startup "* ]]; then
    echo "Start-up and memory: ratios are medians of the $measured_pairs pair-by-pair ratios" \
      "(Korvane / baseline), after $warm_pairs warm-up pairs."
    echo "Instructions: counted by callgrind from the start of the process until the window is mapped" \
      "(QXcbWindow::show) and until the first frame is handed to the X server (the first" \
      "xcb_shm_put_image or xcb_copy_area); Korvane on its second start. The figures that hold on a" \
      "noisy machine."
    echo "Memory detail: anonymous RSS $(mb "$anon_k") vs $(mb "$anon_b"), PSS $(mb "$pss_k") vs $(mb "$pss_b")."
    echo
    echo "Pairs: start-up ms and VmRSS kB of Korvane, then of the baseline"
    awk '{ printf "  %2d %8.1f %7d %8.1f %7d\n", $1, $2, $3, $6, $7 }' "$work/runs"
  fi
} | tee "$results"
