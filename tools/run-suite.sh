#!/usr/bin/env bash
# Runs the built test suite in BUILD-DIR: run-suite.sh BUILD-DIR
# Every test runs once, in parallel; the PulseAudio device tests (label
# "audioserver", RUN_SERIAL) run alone, since they start a sound server of
# their own and take it away.
set -euo pipefail
ctest --test-dir "$1" --output-on-failure -j "$(nproc)"
