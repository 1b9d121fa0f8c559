#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite, then the same suite under
# the sanitizers, then a short fuzz run of every parser.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")" && pwd)
CMAKE_ARGS="-DTABLICZNIK_WERROR=ON" # the suite's build takes no warning
source "$ROOT/tools/setup.sh"
"$ROOT/tools/run-suite.sh" "$BUILD_DIR"
"$ROOT/tools/sanitized-suite.sh" # the same suite under the sanitizers
"$ROOT/fuzz/run.sh" 10
