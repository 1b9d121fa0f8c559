#!/usr/bin/env bash
# Builds the Debian package tablicznik_<version>_<architecture>.deb on
# Debian 12: installs the build's Debian packages when missing (as
# tools/setup.sh does), configures a fresh build folder with Debian's
# hardening flags and /usr as the prefix, builds the program, packs it with
# CPack and checks the package with lintian. The package lands in package/.
#
#   tools/package.sh
#   cd package && sudo apt install ./tablicznik_*.deb
#
# PACKAGE_BUILD_DIR (default build-package/) and PACKAGE_DIR (default
# package/) move the two folders. The package is reproducible: built again
# from the same commit it is the same byte for byte (SOURCE_DATE_EPOCH
# defaults to the time of the last commit).
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${PACKAGE_BUILD_DIR:-$ROOT/build-package}
OUT=${PACKAGE_DIR:-$ROOT/package}

SETUP_PACKAGES_ONLY=1 source "$ROOT/tools/setup.sh"

umask 022
cd "$ROOT"
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git -C "$ROOT" log -1 --format=%ct 2>/dev/null || date +%s)
fi
export SOURCE_DATE_EPOCH
if [ -n "$(git -C "$ROOT" status --porcelain --untracked-files=no 2>/dev/null)" ]; then
  echo "Note: the working tree has uncommitted changes; they are in the package."
fi

# Debian's compiler and linker flags: hardening, and the source folder mapped
# to "." in the debug data, as the build folder is to "build", so that where
# the checkout lies cannot change the program's build id.
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS) -ffile-prefix-map=$BUILD=build"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"

rm -rf "$BUILD"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
  -DBUILD_TESTING=OFF -DTABLICZNIK_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" >/dev/null
cmake --build "$BUILD" -j "$(nproc)"
(cd "$BUILD" && cpack -G DEB -B "$BUILD/cpack" >/dev/null)

mkdir -p "$OUT"
deb=$(find "$BUILD/cpack" -maxdepth 1 -name 'tablicznik_*.deb' -print -quit)
cp "$deb" "$OUT/"
deb="$OUT/$(basename "$deb")"
echo "Package: $deb"
lintian --fail-on error "$deb"
