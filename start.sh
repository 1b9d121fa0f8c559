#!/usr/bin/env bash
# Sets up, builds and starts Tablicznik.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")" && pwd)
source "$ROOT/tools/setup.sh"
cd "$BUILD_DIR" && exec ./tablicznik
