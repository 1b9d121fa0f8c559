#!/usr/bin/env bash
# Builds the suite with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer (the "asan" preset, in build-asan/) and runs it: any report
# fails the run. Called by test.sh after the normal suite; the packages are
# installed by then.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
if [ ! -f build-asan/build.ninja ]; then
  cmake --preset asan >/dev/null
fi
cmake --build --preset asan -j "$(nproc)"
ctest --preset asan -j "$(nproc)"
ctest --preset asan-audioserver # alone (tools/run-suite.sh says why)
