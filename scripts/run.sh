#!/usr/bin/env bash
# Builds Mavik (Release, into build/) and starts the desktop program; arguments are passed on
# (for example /setup). It needs a desktop session.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DMAVIK_TESTS=OFF -DMAVIK_BENCH=OFF >/dev/null
cmake --build build --target mavik mavik-cli mavik-sim >/dev/null
exec build/app/mavik "$@"
