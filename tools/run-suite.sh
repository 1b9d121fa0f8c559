#!/usr/bin/env bash
# Runs the built test suite in BUILD-DIR: run-suite.sh BUILD-DIR
# Every test runs once, in parallel; the tests labelled "audioserver" run
# after them, alone: they drive a private PulseAudio server and must not
# share the machine's sound with other tests. (The asan test presets do the
# same for the sanitized build.)
set -euo pipefail
ctest --test-dir "$1" --output-on-failure -j "$(nproc)" -LE audioserver
ctest --test-dir "$1" --output-on-failure -L audioserver
