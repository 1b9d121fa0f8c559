#!/usr/bin/env bash
# Brings a Debian 12 machine to a built Tablicznik: installs the Debian
# packages that are missing, configures and builds. Quick when nothing changed.
# Sourced by start.sh and test.sh; BUILD_DIR may be set by the caller,
# BUILD_TARGETS (default: everything) names what to build, and CMAKE_ARGS
# adds cache settings. With SETUP_PACKAGES_ONLY=1 (tools/package.sh) it stops
# after the packages.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}

PACKAGES=(
  cmake ninja-build g++                       # the build
  qt6-base-dev qt6-multimedia-dev             # widgets, printing, tests, sound
  qt6-translations-l10n                       # Qt's own dialogs and menus in Polish
  libfontconfig-dev                           # the font configuration, loaded early at start
  libjpeg62-turbo                             # Qt's JPEG reader
  fonts-liberation2 fonts-dejavu-core         # Arial and Times New Roman metrics
  clang libclang-rt-14-dev                    # the fuzz targets
  poppler-utils                               # pdftotext, for the printing tests
  dpkg-dev file                               # the Debian package: dpkg-shlibdeps, CPack's ELF test
  desktop-file-utils appstream lintian        # the installation tests' validators
  xvfb libx11-dev libxdamage-dev libxtst-dev  # the start-up benchmark, bench/startup
  pulseaudio pulseaudio-utils                 # a private sound server for the sound device tests
  locales                                     # localedef's sources: the build makes pl_PL.UTF-8 for one test
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

if [ "${SETUP_PACKAGES_ONLY:-0}" = 1 ]; then
  return 0 2>/dev/null || exit 0
fi

if [ ! -f "$BUILD_DIR/build.ninja" ]; then
  cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${CMAKE_ARGS:-}
elif [ -n "${CMAKE_ARGS:-}" ]; then
  cmake "$BUILD_DIR" ${CMAKE_ARGS} >/dev/null
fi
targets=()
for target in ${BUILD_TARGETS:-}; do targets+=(--target "$target"); done
cmake --build "$BUILD_DIR" -j "$(nproc)" "${targets[@]}"
