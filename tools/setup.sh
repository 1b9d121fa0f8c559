#!/usr/bin/env bash
# Brings a Debian 12 machine to a built Tablicznik: installs the Debian
# packages that are missing, configures and builds. Quick when nothing changed.
# Sourced by start.sh and test.sh; BUILD_DIR may be set by the caller.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}

PACKAGES=(
  cmake ninja-build g++                       # the build
  qt6-base-dev qt6-multimedia-dev             # widgets, printing, tests, sound
  qt6-base-private-dev                        # the zoom of windows that exist
  libjpeg62-turbo                             # Qt's JPEG reader
  fonts-liberation2 fonts-dejavu-core         # Arial and Times New Roman metrics
  clang libclang-rt-14-dev                    # the fuzz targets
  poppler-utils                               # pdftotext, for the printing tests
)

missing=()
for package in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi

if [ ! -f "$BUILD_DIR/build.ninja" ]; then
  cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$BUILD_DIR" -j "$(nproc)"
