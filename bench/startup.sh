#!/usr/bin/env bash
# Time from starting mavik to its first painted main window, and its resident memory with the
# main window open, on the offscreen platform. Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build-rel}
runs=${2:-5}
program="$build/app/mavik"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export QT_QPA_PLATFORM=offscreen HOME="$scratch" XDG_CONFIG_HOME="$scratch/config"
export XDG_RUNTIME_DIR="$scratch/run" MAVIK_REPORT_FIRST_PAINT=1
mkdir -p "$XDG_CONFIG_HOME/Vemo" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# Settings with destination 6 stored, so that the main window opens at once.
{
    printf '[Global]\nBBT=753951\nComPort=1\nComSpeedHigh=1\nCurrent%%20Directory=\n'
    printf '[Recent%%20File%%20List]\n'
    for n in 0 1 2 3 4 5 6 7 8 9; do printf 'Recent%d=\n' "$n"; done
    printf '[View%%20Option]\nFontSize%%20Percentage=100\nToolbar%%20Visible=1\nFontSize%%20Printer=10\n'
    printf '[Window%%20Position]\nLeft=0\nTop=0\nWidth=1000\nHeight=700\nSplitterV=200\n'
    printf '[Setup]\nModelType=0\nEtc%%20Data=171\n'
} > "$XDG_CONFIG_HOME/Vemo/Mavik.conf"
for i in $(seq "$runs"); do
    "$program" > "$scratch/out.txt" 2>&1 &
    pid=$!
    start=$(date +%s%N)
    until grep -q '^first-paint' "$scratch/out.txt" 2>/dev/null; do
        sleep 0.002
        kill -0 "$pid" 2>/dev/null || break
    done
    painted=$(date +%s%N)
    sleep 0.3
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "run $i: first paint after $(( (painted - start) / 1000000 )) ms, resident ${rss} kB"
done
