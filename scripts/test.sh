#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMAVIK_SANITIZE=ON
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/run"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
# The clone-file reader under libFuzzer: a bounded run from the committed seeds, new inputs kept
# in the scratch folder.
fuzz=build-fuzz
cmake -S . -B "$fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DMAVIK_FUZZ=ON -DMAVIK_TESTS=OFF -DMAVIK_BENCH=OFF
cmake --build "$fuzz" --target fuzz_kcf_reader fuzz_csv_import
mkdir -p "$scratch/corpus_kcf"
"$fuzz/tests/fuzz/fuzz_kcf_reader" -runs=20000 -max_len=2048 "$scratch/corpus_kcf" \
    tests/fuzz/corpus_kcf
# The CSV import (line reader and field rules) the same way; the first byte of an input picks
# the page and destination.
mkdir -p "$scratch/corpus_csv"
"$fuzz/tests/fuzz/fuzz_csv_import" -runs=20000 -max_len=4096 "$scratch/corpus_csv" \
    tests/fuzz/corpus_csv
