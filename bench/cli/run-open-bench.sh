#!/usr/bin/env bash
# Opening a store against reading it: times the whole process `pennora-cli accounts --json`
# and `sqlite3` reading every column of every Transaction and Split row of the same file, and
# prints both (median wall time and median peak memory of 5 runs each) and their ratio.
#
#   bench/cli/run-open-bench.sh BUILD_DIR [TRANSACTIONS | STORE_FILE]
#
# BUILD_DIR must hold pennora-cli and bench/pennora-bench-data (build both targets first).
# Without a store file the benchmark's own store of TRANSACTIONS (default 200000) is made.
set -euo pipefail
. "$(dirname "$0")/../bench-common.sh"

build=${1:?usage: run-open-bench.sh BUILD_DIR [TRANSACTIONS | STORE_FILE]}
what=${2:-200000}
cli="$build/pennora-cli"
command -v sqlite3 > /dev/null || { echo "run-open-bench.sh: sqlite3 is not installed" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

store=$(benchmark_store "$build" "$what" "$work")
runs=5

# Every column of every row, as an aggregate so that printing costs nothing.
read_all_sql() {
    local table
    for table in Transaction Split; do
        printf 'SELECT %s FROM "%s";\n' "$(sqlite3 "$store" \
            "SELECT group_concat('count(\"' || name || '\")', ', ') FROM pragma_table_info('$table')")" \
            "$table"
    done
}
read_sql=$(read_all_sql)

# measure LABEL COMMAND...: prints "LABEL WALL CPU PEAK_MB" with the medians of $runs runs
# (CPU: user and system time of all the process's threads).
measure() {
    local label=$1
    shift
    local walls=() cpus=() peaks=()
    for _ in $(seq "$runs"); do
        local start end peak user system
        start=$(date +%s%N)
        /usr/bin/time -f '%M %U %S' -o "$work/time.txt" "$@" > /dev/null 2>> "$work/err.txt"
        end=$(date +%s%N)
        read -r peak user system < "$work/time.txt"
        walls+=("$(awk -v n=$((end - start)) 'BEGIN { printf "%.4f", n / 1e9 }')")
        cpus+=("$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.2f", u + s }')")
        peaks+=("$peak")
    done
    printf '%s %s %s %s\n' "$label" "$(printf '%s\n' "${walls[@]}" | median)" \
        "$(printf '%s\n' "${cpus[@]}" | median)" \
        "$(( $(printf '%s\n' "${peaks[@]}" | median) / 1024 ))"
}

rows=$(sqlite3 "$store" 'SELECT (SELECT count(*) FROM "Transaction") || " transactions, " ||
                                (SELECT count(*) FROM Split) || " splits"')
echo "$store: $rows; median of $runs runs (wall, CPU, peak memory)"
ticks=$(cpu_ticks)
read -r _ cli_wall cli_cpu cli_peak < <(measure cli "$cli" --store "$store" --today 2026-03-15 \
    --locale en_US accounts --json)
read -r _ sql_wall sql_cpu sql_peak < <(measure sqlite3 sqlite3 "$store" "$read_sql")
printf '%-34s %7.3f s %6.2f s %6d MB\n' "pennora-cli accounts --json" "$cli_wall" "$cli_cpu" \
    "$cli_peak"
printf '%-34s %7.3f s %6.2f s %6d MB\n' "sqlite3 reading every row" "$sql_wall" "$sql_cpu" \
    "$sql_peak"
awk -v a="$cli_wall" -v b="$sql_wall" \
    'BEGIN { if (b > 0) printf "ratio                              %7.1f x\n", a / b;
             else print "ratio                              (sqlite3 too fast to time)" }'
echo "the host took $(stolen_since "$ticks") % of the machine's CPU time during the runs"
