#!/usr/bin/env bash
# Times pennora-cli on the generated benchmark data: the median wall time and the median peak
# memory of 5 runs per command, measured with /usr/bin/time -v.
#
#   bench/cli/run-cli-bench.sh BUILD_DIR [TRANSACTIONS]
#
# BUILD_DIR must hold pennora-cli and bench/pennora-bench-data (build both targets first).
set -euo pipefail
. "$(dirname "$0")/../bench-common.sh"

build=${1:?usage: run-cli-bench.sh BUILD_DIR [TRANSACTIONS]}
transactions=${2:-200000}
cli="$build/pennora-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

"$build/bench/pennora-bench-data" "$work" "$transactions" 10000 2>/dev/null
store="$work/Bench.pennorasql"
runs=5

# time_command LABEL FRESH_STORE ARGS...: FRESH_STORE=1 copies the store before every run, for
# commands that change it.
time_command() {
    local label=$1 fresh=$2
    shift 2
    local walls=() peaks=()
    for _ in $(seq "$runs"); do
        local target=$store
        if [[ $fresh == 1 ]]; then
            cp "$store" "$work/Run.pennorasql"
            target="$work/Run.pennorasql"
        fi
        /usr/bin/time -v -o "$work/time.txt" "$cli" --store "$target" --today 2026-03-15 \
            --locale en_US "$@" --json > /dev/null 2>> "$work/err.txt"
        walls+=("$(awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, p, ":");
                   s = 0; for (i = 1; i <= n; i++) s = s * 60 + p[i]; print s }' "$work/time.txt")")
        peaks+=("$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")")
    done
    local wall peak
    wall=$(printf '%s\n' "${walls[@]}" | median)
    peak=$(printf '%s\n' "${peaks[@]}" | median)
    printf '%-36s %8.2f s %8.0f MB\n' "$label" "$wall" "$((peak / 1024))"
}

echo "pennora-cli on $transactions transactions, median of $runs runs (wall, peak memory)"
time_command "accounts" 0 accounts
time_command "register --all" 0 register --all
time_command "register Checking (running balances)" 0 register Checking
time_command "report breakdown (2025)" 0 report breakdown --from 2025-01-01 --to 2025-12-31
for series in balance income expense category:Groceries; do
    time_command "report trends $series" 0 report trends "$series"
done
time_command "import 10000-entry OFX into Checking" 1 import Checking "$work/Statement.ofx"
if "$cli" help 2>/dev/null | grep -q '^ *import-app'; then
    time_command "import-app (QIF export)" 1 import-app "$work/Export.qif"
else
    echo "import-app                           (not available in this build)"
fi
