#!/usr/bin/env bash
# Builds Mavik (Release, into build/) and starts it. Until the main window arrives this runs the
# command-line companion: with arguments it runs `mavik-cli ARGS...`; without, it saves the
# factory image of destination 6 as build/example.kcf and lists its first memory channels.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DMAVIK_TESTS=OFF -DMAVIK_BENCH=OFF >/dev/null
cmake --build build --target mavik-cli >/dev/null
cli=build/tools/cli/mavik-cli
if [ $# -gt 0 ]; then
    exec "$cli" "$@"
fi
"$cli" new --destination 6 build/example.kcf
"$cli" dump build/example.kcf --kind memory --first 0 --last 4
