#!/usr/bin/env bash
# The real-start benchmark: Tablicznik against a bare Qt window of the same
# shape, on a private X server. See bench/README.md.
#
#   bench/startup/run.sh [-n RUNS] [-k] [NAME=PROGRAM ...]
#
# Builds the bare window, the timing client and Tablicznik (in BUILD_DIR,
# default build/), starts a private Xvfb and a fresh settings store whose
# first-run marker is set, then starts the programs in turn, RUNS times each
# (default 15) after one warm-up start each, alternating their order every
# round. Prints, for each program, the median and spread of launch -> window
# mapped, launch -> first paint finished, launch -> window settled, the CPU
# time used until the window was mapped and the peak RSS, and the ratios of
# the medians of each program to every program before it.
# NAME=PROGRAM pairs replace the default programs (bare, bare+cue: the bare
# window playing one cue, tablicznik, zoom); the first is the reference of
# the ratios. A program whose NAME starts with "zoom" has, once its window
# has settled, a zoom chosen in its menu (100 -> 150 %), and is timed from
# that choice to the window of the program started again. -k keeps the raw
# results.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
RUNS=15
KEEP=0
while getopts "n:k" option; do
  case $option in
    n) RUNS=$OPTARG ;;
    k) KEEP=1 ;;
    *) sed -n '6,7p' "$0" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))

names=() programs=()
if [ $# -eq 0 ]; then
  set -- "bare=$BUILD_DIR/bench/startup/bench_bare" "bare+cue=$BUILD_DIR/bench/startup/bench_bare_cue" \
    "tablicznik=$BUILD_DIR/tablicznik" "zoom=$BUILD_DIR/tablicznik"
fi
for pair in "$@"; do
  [[ $pair == *=* ]] || { echo "run.sh: expected NAME=PROGRAM, got '$pair'" >&2; exit 2; }
  names+=("${pair%%=*}")
  programs+=("$(realpath "${pair#*=}")")
done

for tool in Xvfb cmake; do
  command -v "$tool" >/dev/null || { echo "run.sh: $tool is missing; run tools/setup.sh" >&2; exit 1; }
done
[ -f "$BUILD_DIR/build.ninja" ] || cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" --target tablicznik bench_bare bench_bare_cue xstart >/dev/null
XSTART=$BUILD_DIR/bench/startup/xstart
# Tablicznik's animation (14, 27, 60 x 60) never stops drawing: it is left
# out of the settled time.
XSTART_ARGS=(--ignore 14,27,60,60)
# The zoom's choice: a right click on the clock opens the options menu;
# "Powiększenie" is the fourth item from its end (the first Up selects the
# last item, "O autorze..."), and its third choice is 150 %.
ZOOM_ARGS=(--zoom-click 250,215 --zoom-keys "Up Up Up Up Right Down Down Return")
args_of() { if [[ ${names[$1]} == zoom* ]]; then echo zoom; fi; }

tmp=$(mktemp -d)
xvfb=""
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  if [ "$KEEP" = 1 ]; then echo "raw results: $tmp/results"; else rm -rf "$tmp"; fi
}
trap cleanup EXIT

# A private X server; it writes the display number it chose to the fd.
exec {displayfd}>"$tmp/display"
Xvfb -displayfd "$displayfd" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$tmp/xvfb.log" 2>&1 &
xvfb=$!
exec {displayfd}>&-
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.05; done
[ -s "$tmp/display" ] || { echo "run.sh: Xvfb did not start" >&2; cat "$tmp/xvfb.log" >&2; exit 1; }

# The programs' whole environment lives in the temporary folder.
mkdir -p "$tmp/config/Lumera" "$tmp/cache" "$tmp/data" "$tmp/runtime" "$tmp/results"
chmod 700 "$tmp/runtime"
export DISPLAY=":$(head -n1 "$tmp/display")" QT_QPA_PLATFORM=xcb
export XDG_CONFIG_HOME=$tmp/config XDG_CACHE_HOME=$tmp/cache XDG_DATA_HOME=$tmp/data XDG_RUNTIME_DIR=$tmp/runtime
unset QT_LOGGING_RULES QT_DEBUG_PLUGINS LD_DEBUG SESSION_MANAGER

# The store as a previous run leaves it: the about window was shown once,
# every preference has its default.
fresh_settings() {
  printf '[2.00]\nShowed=1\nPlaySounds=1\nShowTime=1\nShowAVI=1\nShowHelp=1\n' >"$tmp/config/Lumera/Tablicznik.conf"
}

# One start of program $1 (index); appends its line to its results file.
# It runs in its own folder, where Tablicznik's sound files lie.
start() {
  local i=$1 line
  fresh_settings
  local extra=()
  [ "$(args_of "$i")" = zoom ] && extra=("${ZOOM_ARGS[@]}")
  if line=$(cd "$(dirname "${programs[$i]}")" && "$XSTART" "${XSTART_ARGS[@]}" "${extra[@]}" -- "${programs[$i]}" 2>>"$tmp/stderr"); then
    echo "$line" >>"$tmp/results/${names[$i]}"
  else
    echo "run.sh: ${names[$i]}: failed start: $line" >&2
    echo "$line" >>"$tmp/results/${names[$i]}.failed"
  fi
}

count=${#programs[@]}
for i in $(seq 0 $((count - 1))); do # warm-up: caches, fonts
  start "$i"
  rm -f "$tmp/results/${names[$i]}" "$tmp/results/${names[$i]}.failed"
done
for round in $(seq "$RUNS"); do
  for k in $(seq 0 $((count - 1))); do
    if [ $((round % 2)) = 1 ]; then start "$k"; else start $((count - 1 - k)); fi
  done
done

# field NAME KEY: the values of one measure, one a line.
field() { sed -n "s/.*\b$2=\([-0-9.]*\).*/\1/p" "$tmp/results/$1" 2>/dev/null; }
# stats: median, quartiles, minimum and maximum of the values on stdin.
stats() {
  sort -g | awk -v scale="${1:-1}" '
    { v[NR] = $1 / scale }
    function q(p,   h, l) { h = (NR - 1) * p + 1; l = int(h); return v[l] + (h - l) * (v[l < NR ? l + 1 : l] - v[l]) }
    END { if (NR == 0) { print "- - - - -"; exit }
          printf "%.1f %.1f %.1f %.1f %.1f\n", q(0.5), q(0.25), q(0.75), v[1], v[NR] }'
}

echo "Start-up on Xvfb ($DISPLAY, 1280x1024x24), $RUNS interleaved runs each after a warm-up; $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "median [interquartile range] (min - max); times and CPU in ms from launch, peak RSS in MiB"
printf '%-10s %-29s %-29s %-29s %-26s %-26s\n' program mapped "first paint" settled "CPU when mapped" "peak RSS"
declare -A median
for i in $(seq 0 $((count - 1))); do
  name=${names[$i]}
  row=()
  for key in mapped_ms paint_ms settled_ms mapped_cpu_ms maxrss_kib; do
    scale=1
    [ "$key" = maxrss_kib ] && scale=1024
    read -r m q1 q3 lo hi < <(field "$name" "$key" | stats "$scale")
    median[$name,$key]=$m
    row+=("$(printf '%s [%s-%s] (%s-%s)' "$m" "$q1" "$q3" "$lo" "$hi")")
  done
  failed=0
  [ -f "$tmp/results/$name.failed" ] && failed=$(wc -l <"$tmp/results/$name.failed")
  printf '%-10s %-29s %-29s %-29s %-26s %-26s%s\n' "$name" "${row[@]}" "$([ "$failed" = 0 ] || echo " ($failed failed)")"
done
for i in $(seq 1 $((count - 1))); do
  name=${names[$i]}
  [[ $name == zoom* ]] && continue
  for j in $(seq 0 $((i - 1))); do
    base=${names[$j]}
    [[ $base == zoom* ]] && continue
    ratios=()
    for key in mapped_ms paint_ms settled_ms mapped_cpu_ms maxrss_kib; do
      ratios+=("$(awk -v a="${median[$name,$key]}" -v b="${median[$base,$key]}" 'BEGIN { if (b > 0 && a != "-") printf "%.2f", a / b; else printf "-" }')")
    done
    printf 'ratio %s/%s: mapped %s, first paint %s, settled %s, CPU when mapped %s, peak RSS %s\n' "$name" "$base" "${ratios[@]}"
  done
done
for i in $(seq 0 $((count - 1))); do
  name=${names[$i]}
  [[ $name == zoom* ]] || continue
  row=()
  for key in zoom_mapped_ms zoom_paint_ms zoom_gap_ms zoom_maxrss_kib; do
    scale=1
    [ "$key" = zoom_maxrss_kib ] && scale=1024
    read -r m q1 q3 lo hi < <(field "$name" "$key" | stats "$scale")
    row+=("$(printf '%s [%s-%s] (%s-%s)' "$m" "$q1" "$q3" "$lo" "$hi")")
  done
  printf '%s 100 -> 150 %%, ms from the choice: new window mapped %s, first paint %s; no window for %s; peak RSS of the new run %s MiB\n' \
    "$name" "${row[@]}"
done
