#!/usr/bin/env bash
# Builds the Debian package of Mavik: a Release build into build-package/, then CPack's DEB
# generator. The package lands in build-package/ as mavik_<version>-<release>_<arch>.deb.
# MAVIK_JOBS limits the parallel build jobs (all cores when unset).
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMAVIK_TESTS=OFF \
      -DMAVIK_BENCH=OFF -DMAVIK_SANITIZE=OFF -DMAVIK_FUZZ=OFF
cmake --build "$build" ${MAVIK_JOBS:+--parallel "$MAVIK_JOBS"}
rm -f "$build"/mavik_*.deb
(cd "$build" && cpack -G DEB)
ls "$build"/mavik_*.deb
