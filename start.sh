#!/usr/bin/env bash
# Sets up, builds and starts Tablicznik.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")" && pwd)
BUILD_TARGETS=tablicznik # the program only; the tests and benches are test.sh's
source "$ROOT/tools/setup.sh"
cd "$BUILD_DIR" && exec ./tablicznik
