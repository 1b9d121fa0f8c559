#!/usr/bin/env bash
# Remakes every picture, the atom animation, the sound cues and the icon
# without the project's build: compiles the generator, runs it on resources/
# and checks the files. BUILD_DIR (default build-assets beside the sources) holds the
# compiled generator; PREVIEW=FILE.png also writes a preview sheet.
set -euo pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build-assets}
mkdir -p "$BUILD_DIR"

g++ -std=c++20 -O1 -fPIC -Wall -Wextra $(pkg-config --cflags Qt6Gui) \
  "$HERE"/main.cpp "$HERE"/pixelart.cpp "$HERE"/icons.cpp "$HERE"/pictures.cpp "$HERE"/appicon.cpp \
  "$HERE"/atom.cpp "$HERE"/sounds.cpp \
  $(pkg-config --libs Qt6Gui) -o "$BUILD_DIR/tablicznik_assets"

# The preview's sketch shows the project's version.
VERSION=$(sed -n 's/^project(Tablicznik VERSION \([0-9.]*\).*/\1/p' "$ROOT/CMakeLists.txt")
QT_QPA_PLATFORM=offscreen "$BUILD_DIR/tablicznik_assets" "$ROOT/resources" ${PREVIEW:+--preview "$PREVIEW" --version "$VERSION"}
python3 "$HERE/check_assets.py" "$ROOT/resources"
