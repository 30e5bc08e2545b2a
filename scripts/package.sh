#!/usr/bin/env bash
# Builds the Debian package of Quintaro (a Release build in build-release/, or $BUILD_DIR) and
# prints the path of the .deb. Install it with: sudo apt-get install ./<that path>
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-release}
scripts/deps.sh
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-Release} "$@" >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)" >/dev/null
rm -rf "$BUILD_DIR/package"
(cd "$BUILD_DIR" && cpack -G DEB -B package >/dev/null)
deb=$(ls "$BUILD_DIR"/package/quintaro_*.deb)
realpath "$deb"
