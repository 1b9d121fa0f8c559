#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite, then a short fuzz run of
# every parser. tools/sanitized-suite.sh runs the suite under the sanitizers.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")" && pwd)
CMAKE_ARGS="-DTABLICZNIK_WERROR=ON" # the suite's build takes no warning
source "$ROOT/tools/setup.sh"
ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)"
"$ROOT/fuzz/run.sh" 10
