#!/usr/bin/env bash
# Times a full clone read and write against a paced mavik-sim at 9600 and 38400 baud and
# compares each with the time its bytes need on the line plus the protocol's fixed pauses.
# Usage: bench/clone_pacing.sh [BUILD_DIR]   (a Release build holding mavik-cli and mavik-sim)
set -euo pipefail
build=${1:-build-rel}
cli=$build/tools/cli/mavik-cli
sim=$build/tools/sim/mavik-sim
scratch=$(mktemp -d)
simpid=
cleanup() {
    [ -n "$simpid" ] && kill "$simpid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/run
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

"$sim" --destination 6 --pace >"$scratch/sim.out" 2>/dev/null &
simpid=$!
for _ in $(seq 50); do [ -s "$scratch/sim.out" ] && break; sleep 0.1; done
device=$(head -n1 "$scratch/sim.out")

# Bytes on the line. Every byte the program sends is echoed at the same time on the single
# wire, so only the bytes of both ends count once each.
frames=883 frame=78 endframe=17 result=7
request=10 fastrequest=22 switch=32
info=$((request + 45))
read_bytes=$((frames * frame + endframe))
write_bytes=$((frames * frame + endframe + result))

# Fixed pauses: 200 ms before opening and 100 ms flush per operation, the speed switch adds
# one more flush at 9600 baud, a write 200 ms after its request.
run() { # name, baud, info queries, operation bytes, fixed pauses (ms), command...
    local name=$1 baud=$2 queries=$3 bytes=$4 pauses=$5
    shift 5
    local TIMEFORMAT='%R %U %S'
    local times
    times=$( { time "$cli" "$@" --device "$device" >/dev/null 2>"$scratch/err" ||
        echo "$name failed" >"$scratch/failed"; } 2>&1 )
    if [ -e "$scratch/failed" ]; then
        cat "$scratch/failed" "$scratch/err" >&2
        exit 1
    fi
    local real user sys
    read -r real user sys <<<"$times"
    awk -v n="$name" -v baud="$baud" -v q="$queries" -v b="$bytes" -v p="$pauses" \
        -v info="$info" -v speedswitch="$switch" \
        -v real="$real" -v user="$user" -v sys="$sys" 'BEGIN {
        wire = q * info / 960 + b / (baud / 10)
        if (baud == 38400) wire += speedswitch / 960
        fixed = (q * 300 + p) / 1000
        printf "%-12s wire %6.2f s  fixed pauses %4.2f s  took %6.2f s  ratio %.3f  cpu %.2f s\n",
               n, wire, fixed, real, (real - fixed) / wire, user + sys
    }'
}

run "read 9600" 9600 1 $((request + read_bytes)) 300 read "$scratch/r.kcf"
run "write 9600" 9600 2 $((request + write_bytes)) 500 write "$scratch/r.kcf"
run "read 38400" 38400 1 $((fastrequest + read_bytes)) 400 read --high-speed "$scratch/r.kcf"
run "write 38400" 38400 2 $((fastrequest + write_bytes)) 600 write --high-speed "$scratch/r.kcf"
