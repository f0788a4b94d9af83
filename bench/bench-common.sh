# What the benchmark scripts share; they source it:  . "$(dirname "$0")/../bench-common.sh"

# The median of the numbers on standard input, one a line.
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# benchmark_store BUILD_DIR WHAT WORK_DIR: prints WHAT when it is a store file, else makes the
# benchmark's store of WHAT transactions in WORK_DIR (with BUILD_DIR's pennora-bench-data)
# and prints its path.
benchmark_store() {
    if [[ -f $2 ]]; then
        echo "$2"
    else
        "$1/bench/pennora-bench-data" "$3" "$2" 10 > /dev/null 2>&1
        echo "$3/Bench.pennorasql"
    fi
}

# On a virtual machine the host may take CPU time from it, which slows everything measured.
# cpu_ticks prints "STOLEN ALL": the clock ticks taken by the host and all ticks so far (Linux).
cpu_ticks() {
    awk '/^cpu / { all = 0; for (i = 2; i <= 9; i++) all += $i; print $9, all; exit }' \
        /proc/stat 2> /dev/null || echo "0 0"
}

# stolen_since "STOLEN ALL": the share of the CPU time since then that the host took, in %.
stolen_since() {
    local before_stolen before_all now_stolen now_all
    read -r before_stolen before_all <<< "$1"
    read -r now_stolen now_all < <(cpu_ticks)
    awk -v s=$((now_stolen - before_stolen)) -v a=$((now_all - before_all)) \
        'BEGIN { printf "%.0f", (a > 0 ? 100 * s / a : 0) }'
}
