#pragma once

#include <benchmark/benchmark.h>

#include <QPixmap>

#include "base/Date.h"

class ObjectContext;
class QWidget;
class StoreSession;

// What the view benchmarks on the benchmark store share: the store, opened once; painting a
// view as showing it on screen does; how each case is timed; and the program around them.
class ViewBench final {
public:
    // The store made by bench/ui/make-report-bench-store.sh, opened on first use; null when it
    // has not been made.
    [[nodiscard]] static StoreSession* session();
    // The store's context, or null after marking `state` skipped when there is no store.
    [[nodiscard]] static ObjectContext* contextOrSkip(benchmark::State& state);

    // The fixed today the cases run on.
    [[nodiscard]] static Date today();

    [[nodiscard]] static QPixmap paint(QWidget& widget);

    // Each case timed once per repetition, nine repetitions, reported as mean, median and
    // deviation in milliseconds: BENCHMARK(BM_Case)->Apply(ViewBench::timeNineRuns).
    static void timeNineRuns(benchmark::internal::Benchmark* bench);

    // Runs the registered cases offscreen in en_US on a fixed today, saying on stderr as `name`
    // when the store is missing (every case is then skipped).
    static int run(int argc, char** argv, const char* name);
};
