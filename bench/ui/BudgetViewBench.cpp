#include <benchmark/benchmark.h>

#include "../../tests/ui/FakeTransactionList.h"
#include "ViewBench.h"
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

class SilentAlerts final : public Alerts {
public:
    AlertAnswer run(const AlertContent&, QWidget*) override { return {}; }
};

struct Bench {
    ObjectContext* context = nullptr;
    Budget* budget = nullptr;
};

// The store with its budget, or null after marking `state` skipped when there is no store.
Bench* bench(benchmark::State& state) {
    static Bench made;
    if (made.context == nullptr) {
        made.context = ViewBench::contextOrSkip(state);
        if (made.context == nullptr) {
            return nullptr;
        }
        made.context->undoManager().disableUndoRegistration();
        made.budget = Budget::generateBudget(*made.context, "2026 Budget",
                                             Date::dateWithYear_PN(2026, 1, 1), 12);
        made.context->undoManager().enableUndoRegistration();
    }
    return &made;
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
    // As selecting the budget in the source list does, before the view is switched to.
    void setBudget(Budget* budget) {
        controller->setBudget(budget);
        controller->setup();
    }
};

// Selecting the budget in the source list: track both sides, show the expense side, paint.
void BM_SwitchToBudget(benchmark::State& state) {
    Bench* b = bench(state);
    if (b == nullptr) {
        return;
    }
    View view(*b->context);
    for (auto _ : state) {
        view.setBudget(b->budget);
        view.controller->didSwitchToBudget();
        benchmark::DoNotOptimize(ViewBench::paint(*view.controller));
    }
}
BENCHMARK(BM_SwitchToBudget)->Apply(ViewBench::timeNineRuns);

// Saving the limit sheet of the largest spending limit (a new amount each time, staying on the
// expense side) and repainting the view.
void BM_EditLimit(benchmark::State& state) {
    Bench* b = bench(state);
    if (b == nullptr) {
        return;
    }
    View view(*b->context);
    view.setBudget(b->budget);
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
        benchmark::DoNotOptimize(ViewBench::paint(*view.controller));
    }
}
BENCHMARK(BM_EditLimit)->Apply(ViewBench::timeNineRuns);

// The summary page: both tracking results and the overall balances around the period.
void BM_SwitchToSummary(benchmark::State& state) {
    Bench* b = bench(state);
    if (b == nullptr) {
        return;
    }
    View view(*b->context);
    view.setBudget(b->budget);
    for (auto _ : state) {
        view.controller->switchToSummary();
        benchmark::DoNotOptimize(ViewBench::paint(*view.controller));
        state.PauseTiming();
        view.controller->switchToExpense();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SwitchToSummary)->Apply(ViewBench::timeNineRuns);

// New Budget's work once the sheet is confirmed: a budget with every limit estimated.
void BM_GenerateBudget(benchmark::State& state) {
    Bench* b = bench(state);
    if (b == nullptr) {
        return;
    }
    ObjectContext& context = *b->context;
    context.undoManager().disableUndoRegistration();
    for (auto _ : state) {
        Budget* budget = Budget::generateBudget(context, "Estimated", ViewBench::today(), 12);
        state.PauseTiming();
        context.deleteObject(*budget);
        state.ResumeTiming();
    }
    context.undoManager().enableUndoRegistration();
}
BENCHMARK(BM_GenerateBudget)->Apply(ViewBench::timeNineRuns);

}  // namespace

int main(int argc, char** argv) {
    return ViewBench::run(argc, argv, "budget_view_bench");
}
