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
