#!/usr/bin/env bash
# fuzz/campaign.sh TARGET RUNS [MAX_LEN]: one long run of one fuzz target on
# one core, at low priority, for a given number of executions. The inputs it
# finds go to build/fuzz/campaign/TARGET (kept between campaigns, never
# committed); a crash, a leak, a hang over 10 s or an input over 2 GB of
# memory stops it and leaves the input in build/fuzz/campaign/TARGET-crash-*.
# The last lines of the log give the executions and the time taken.
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
TARGET=$1
RUNS=$2
MAX_LEN=${3:-20000}
BUILD=${FUZZ_BUILD_DIR:-$HERE/../build/fuzz}
if [ ! -f "$BUILD/build.ninja" ]; then
  CXX=clang++ cmake -S "$HERE" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$BUILD" --target "fuzz_$TARGET" >/dev/null
work=$BUILD/campaign/$TARGET
mkdir -p "$work"
dict=()
[ -f "$HERE/$TARGET.dict" ] && dict=(-dict="$HERE/$TARGET.dict")
start=$(date +%s)
status=0
nice -n 10 "$BUILD/fuzz_$TARGET" -runs="$RUNS" -max_len="$MAX_LEN" -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 "${dict[@]}" -artifact_prefix="$BUILD/campaign/$TARGET-" "$work" "$HERE/corpus/$TARGET" \
  >"$BUILD/campaign/$TARGET.log" 2>&1 || status=$?
end=$(date +%s)
runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$BUILD/campaign/$TARGET.log" | grep -o '[0-9]*$' || echo "?")
echo "campaign $TARGET: exit $status, $runs executions in $((end - start)) s, corpus $(ls "$work" | wc -l) inputs"
exit $status
