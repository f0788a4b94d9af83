#!/usr/bin/env bash
# The desktop program's start: from the process's start to the main window painted, on a
# store of the benchmark's (or a store file given), offscreen unless QT_QPA_PLATFORM says
# otherwise. Each run has a home of its own holding a copy of the store, and starts twice:
#   first start   a store without a snapshot yet (as after a day's work): the start copies it
#                 into a snapshot before it opens it
#   next start    the same home again; the first start ended at its paint, as a crash would,
#                 so this one finds the store's log
# Prints the median wall time and peak memory of 5 runs of each.
#
#   bench/ui/run-start-bench.sh BUILD_DIR [TRANSACTIONS | STORE_FILE]
#
# BUILD_DIR must hold bench/start_bench and bench/pennora-bench-data.
set -euo pipefail
. "$(dirname "$0")/../bench-common.sh"

build=${1:?usage: run-start-bench.sh BUILD_DIR [TRANSACTIONS | STORE_FILE]}
what=${2:-200000}
starter="$build/bench/start_bench"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

store=$(benchmark_store "$build" "$what" "$work")
runs=5
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export LANG=${LANG:-en_US.UTF-8}

# start HOME_DIR: one start; prints "WALL_SECONDS PEAK_KB".
start() {
    local home=$1 begin end
    begin=$(date +%s%N)
    HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" \
        XDG_CACHE_HOME="$home/cache" /usr/bin/time -f '%M' -o "$work/time.txt" \
        "$starter" > /dev/null 2>> "$work/err.txt"
    end=$(date +%s%N)
    printf '%s %s\n' "$(awk -v n=$((end - begin)) 'BEGIN { printf "%.4f", n / 1e9 }')" \
        "$(cat "$work/time.txt")"
}

: > "$work/first.txt"
: > "$work/next.txt"
ticks=$(cpu_ticks)
for run in $(seq "$runs"); do
    home="$work/home-$run"
    mkdir -p "$home/data/Pennora"
    cp "$store" "$home/data/Pennora/Database.pennorasql"
    start "$home" >> "$work/first.txt"
    start "$home" >> "$work/next.txt"
    rm -rf "$home"
done

echo "$store: start to the main window painted; median of $runs runs"
for which in first next; do
    printf '%-14s %8.3f s %6d MB\n' "$which start" \
        "$(awk '{ print $1 }' "$work/$which.txt" | median)" \
        "$(( $(awk '{ print $2 }' "$work/$which.txt" | median) / 1024 ))"
done
echo "the host took $(stolen_since "$ticks") % of the machine's CPU time during the runs"
