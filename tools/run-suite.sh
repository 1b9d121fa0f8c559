#!/usr/bin/env bash
# Runs the built test suite in BUILD-DIR: run-suite.sh BUILD-DIR
# Every test runs once, in parallel; the tests labelled "audioserver" run
# after them, alone, and count as passed when one of three runs passes: they
# drive a private PulseAudio server whose loss the audio library now and
# then answers with an abort. (The asan test presets do the same for the
# sanitized build.)
set -euo pipefail
ctest --test-dir "$1" --output-on-failure -j "$(nproc)" -LE audioserver
ctest --test-dir "$1" --output-on-failure -L audioserver --repeat until-pass:3
