#include "ViewBench.h"

#include <QApplication>
#include <QWidget>
#include <iostream>
#include <memory>

#include "../../tests/ui/ReportStores.h"
#include "base/Clock.h"
#include "base/UserLocale.h"

StoreSession* ViewBench::session() {
    static std::unique_ptr<StoreSession> opened;
    if (!opened) {
        const QString path = ReportStores::benchStorePath();
        if (path.isEmpty()) {
            return nullptr;
        }
        opened = ReportStores::openFile(path);
    }
    return opened.get();
}

ObjectContext* ViewBench::contextOrSkip(benchmark::State& state) {
    StoreSession* store = session();
    if (store == nullptr) {
        state.SkipWithError("no benchmark store");
        return nullptr;
    }
    return &store->context();
}

Date ViewBench::today() {
    return Date::dateWithYear_PN(2026, 3, 15);
}

QPixmap ViewBench::paint(QWidget& widget) {
    return widget.grab();
}

void ViewBench::timeNineRuns(benchmark::internal::Benchmark* bench) {
    bench->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(9)->ReportAggregatesOnly(true);
}

int ViewBench::run(int argc, char** argv, const char* name) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Clock::setFixedToday(today());
    UserLocale::set("en_US");
    if (session() == nullptr) {
        std::cerr << name
                  << ": no benchmark store; run bench/ui/make-report-bench-store.sh BUILD_DIR "
                     "first\n";
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
