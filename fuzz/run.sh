#!/usr/bin/env bash
# fuzz/run.sh [SECONDS]: builds every fuzz target with clang and runs each
# for SECONDS (default 60) on its corpus (fuzz/corpus/<target>), with its
# dictionary (fuzz/<target>.dict) where there is one. Any crash fails the run.
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
SECONDS_EACH=${1:-60}
BUILD=${FUZZ_BUILD_DIR:-$HERE/../build/fuzz}
if [ ! -f "$BUILD/build.ninja" ]; then
  CXX=clang++ cmake -S "$HERE" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$BUILD" >/dev/null
status=0
for target in "$BUILD"/fuzz_*; do
  name=${target##*/fuzz_}
  corpus="$HERE/corpus/$name"
  work=$(mktemp -d)
  mkdir -p "$corpus"
  dict=()
  [ -f "$HERE/$name.dict" ] && dict=(-dict="$HERE/$name.dict")
  if "$target" -max_total_time="$SECONDS_EACH" -max_len=20000 -print_final_stats=1 "${dict[@]}" \
       -artifact_prefix="$work/" "$work" "$corpus" >"$work/log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$work/log" | grep -o '[0-9]*$' || echo "?")
    echo "fuzz $name: clean, $runs runs in ${SECONDS_EACH}s"
  else
    echo "fuzz $name: FAILED"; tail -n 40 "$work/log"; status=1
  fi
  rm -rf "$work"
done
exit $status
