#!/usr/bin/env bash
# Makes the 200 000-transaction store that the report views' benchmark and screenshots use,
# in BUILD_DIR/bench-data/Bench.pennorasql (a generated file: never commit it).
#
#   bench/ui/make-report-bench-store.sh BUILD_DIR [TRANSACTIONS]
#
# BUILD_DIR must hold bench/pennora-bench-data (build that target first).
set -euo pipefail

build=${1:?usage: make-report-bench-store.sh BUILD_DIR [TRANSACTIONS]}
transactions=${2:-200000}
"$build/bench/pennora-bench-data" "$build/bench-data" "$transactions" 100
