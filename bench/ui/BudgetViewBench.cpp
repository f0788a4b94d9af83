#include <benchmark/benchmark.h>

#include <QApplication>
#include <iostream>

#include "../../tests/ui/FakeTransactionList.h"
#include "../../tests/ui/ReportStores.h"
#include "base/Clock.h"
#include "base/UserLocale.h"
#include "budgets/Budget.h"
#include "store/ObjectContext.h"
#include "ui/budgets/BudgetController.h"
#include "ui/budgets/BudgetOutlineModel.h"
#include "ui/budgets/BudgetOutlineView.h"
#include "ui/common/Alerts.h"

// The budget view on the 200 000-transaction store of pennora-bench-data
// (bench/ui/make-report-bench-store.sh), offscreen. The store holds no budget, so one is made
// once, as New Budget makes it (every limit estimated from the last year); each case then
// computes the view from the store and paints it, as showing it on screen does.
namespace {

const Date kToday = Date::dateWithYear_PN(2026, 3, 15);

class SilentAlerts final : public Alerts {
public:
    AlertAnswer run(const AlertContent&, QWidget*) override { return {}; }
};

struct Bench {
    std::unique_ptr<StoreSession> session;
    Budget* budget = nullptr;
};

Bench* bench() {
    static Bench made;
    if (!made.session) {
        const QString path = ReportStores::benchStorePath();
        if (path.isEmpty()) {
            return nullptr;
        }
        made.session = ReportStores::openFile(path);
        ObjectContext& context = made.session->context();
        context.undoManager().disableUndoRegistration();
        made.budget =
            Budget::generateBudget(context, "2026 Budget", Date::dateWithYear_PN(2026, 1, 1), 12);
        context.undoManager().enableUndoRegistration();
    }
    return &made;
}

QPixmap paint(QWidget& widget) {
    return widget.grab();
}

struct View {
    SilentAlerts alerts;
    FakeTransactionLists lists;
    std::unique_ptr<BudgetController> controller;
    explicit View(ObjectContext& context)
        : controller(std::make_unique<BudgetController>(context, alerts, lists.factory())) {
        controller->resize(900, 560);
        controller->show();
    }
};

// Selecting the budget in the source list: track both sides, show the expense side, paint.
void BM_SwitchToBudget(benchmark::State& state) {
    Bench* b = bench();
    if (b == nullptr) {
        state.SkipWithError("no benchmark store");
        return;
    }
    View view(b->session->context());
    for (auto _ : state) {
        view.controller->setBudget(b->budget);
        view.controller->setup();
        view.controller->didSwitchToBudget();
        benchmark::DoNotOptimize(paint(*view.controller));
    }
}
BENCHMARK(BM_SwitchToBudget)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// Saving the limit sheet of the largest spending limit (a new amount each time, staying on the
// expense side) and repainting the view.
void BM_EditLimit(benchmark::State& state) {
    Bench* b = bench();
    if (b == nullptr) {
        state.SkipWithError("no benchmark store");
        return;
    }
    View view(b->session->context());
    view.controller->setBudget(b->budget);
    view.controller->setup();
    BudgetOutlineModel& model = view.controller->outlineModel();
    QModelIndex row;
    for (int top = 0; top < model.rowCount() && !row.isValid(); ++top) {
        const QModelIndex index = model.index(top, 0);
        row = model.rowCount(index) > 0 ? model.index(0, 0, index) : index;
    }
    int amount = 1000;
    for (auto _ : state) {
        LimitSheetFields fields;
        fields.fieldValue = Decimal(++amount);
        view.controller->saveLimit(row, fields, "");
        benchmark::DoNotOptimize(paint(*view.controller));
    }
}
BENCHMARK(BM_EditLimit)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The summary page: both tracking results and the overall balances around the period.
void BM_SwitchToSummary(benchmark::State& state) {
    Bench* b = bench();
    if (b == nullptr) {
        state.SkipWithError("no benchmark store");
        return;
    }
    View view(b->session->context());
    view.controller->setBudget(b->budget);
    view.controller->setup();
    for (auto _ : state) {
        view.controller->switchToSummary();
        benchmark::DoNotOptimize(paint(*view.controller));
        state.PauseTiming();
        view.controller->switchToExpense();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SwitchToSummary)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// New Budget's work once the sheet is confirmed: a budget with every limit estimated.
void BM_GenerateBudget(benchmark::State& state) {
    Bench* b = bench();
    if (b == nullptr) {
        state.SkipWithError("no benchmark store");
        return;
    }
    ObjectContext& context = b->session->context();
    context.undoManager().disableUndoRegistration();
    for (auto _ : state) {
        Budget* budget = Budget::generateBudget(context, "Estimated", kToday, 12);
        state.PauseTiming();
        context.deleteObject(*budget);
        state.ResumeTiming();
    }
    context.undoManager().enableUndoRegistration();
}
BENCHMARK(BM_GenerateBudget)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Clock::setFixedToday(kToday);
    UserLocale::set("en_US");
    if (bench() == nullptr) {
        std::cerr << "budget_view_bench: no benchmark store; run "
                     "bench/ui/make-report-bench-store.sh BUILD_DIR first\n";
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
