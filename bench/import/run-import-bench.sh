#!/usr/bin/env bash
# Times `pennora-cli import` of a large generated bank QIF into a fresh store's checking
# account: the median wall time and the median peak memory of 3 runs, with /usr/bin/time -v.
#
#   bench/import/run-import-bench.sh BUILD_DIR [ENTRIES]      (ENTRIES defaults to 1000000)
#
# BUILD_DIR must hold pennora-cli and bench/pennora-bench-statement (build both targets first);
# PENNORA_CLI names another pennora-cli to time.
set -euo pipefail
. "$(dirname "$0")/../bench-common.sh"

build=${1:?usage: run-import-bench.sh BUILD_DIR [ENTRIES]}
entries=${2:-1000000}
cli=${PENNORA_CLI:-$build/pennora-cli}  # another binary to compare with
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
runs=3

"$build/bench/pennora-bench-statement" qif "$entries" > "$work/Statement.qif"
cli_run() { "$cli" --store "$1" --today 2026-03-15 --locale en_US "${@:2}"; }
cli_run "$work/Empty.pennorasql" add-account Checking > /dev/null

walls=() peaks=()
for _ in $(seq "$runs"); do
    cp "$work/Empty.pennorasql" "$work/Run.pennorasql"
    rm -rf "$work/backups"
    /usr/bin/time -v -o "$work/time.txt" "$cli" --store "$work/Run.pennorasql" \
        --today 2026-03-15 --locale en_US import Checking "$work/Statement.qif" --json \
        > "$work/out.json" 2>> "$work/err.txt"
    grep -q "\"new\": $entries" "$work/out.json" || { cat "$work/out.json" "$work/err.txt"; exit 1; }
    walls+=("$(awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, p, ":");
               s = 0; for (i = 1; i <= n; i++) s = s * 60 + p[i]; print s }' "$work/time.txt")")
    peaks+=("$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")")
done
wall=$(printf '%s\n' "${walls[@]}" | median)
peak=$(printf '%s\n' "${peaks[@]}" | median)
echo "import of a $entries-entry QIF, median of $runs runs (wall, peak memory)"
printf '%-36s %8.2f s %8.0f MB\n' "import Checking Statement.qif" "$wall" "$((peak / 1024))"
